#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the calculator and opens its window. Without a display it starts a
# virtual one (Xvfb) and shows the window there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh run

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DHYDRELIX_BENCH=OFF -DHYDRELIX_PYTHON=OFF >/dev/null
cmake --build build -j "$(nproc)" --target hydrelix

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill "$xvfb" 2>/dev/null || true; rm -f "$display_file"' EXIT
  for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
  export DISPLAY=:$(head -n1 "$display_file")
  echo "No display: Hydrelix runs on the virtual display $DISPLAY (Xvfb, pid $xvfb)."
  echo "Drive it with xdotool or look at it with: DISPLAY=$DISPLAY import -window root shot.png"
  build/bin/hydrelix "$@"
  exit
fi
exec build/bin/hydrelix "$@"
