#!/usr/bin/env bash
# Installs the Debian packages a build needs, only when some are missing.
#   deps.sh test   compilers, CMake, Ninja, Qt, GoogleTest, Google Benchmark, sanitizers
#   deps.sh run    what building and showing the calculator needs
set -euo pipefail

# Qt 6 Widgets for the window; Xvfb, xdotool and xauth to show and drive it
# on a machine without a display; the condensed DejaVu face the window's
# captions are laid out for; trayer, a tray for the program to hide in on
# the virtual display; for the tests, openbox and xprop, a window manager
# and a look at what the program asked of it. QCustomPlot draws the charts,
# Qt SVG writes them as SVG, and xmllint checks that SVG in the tests.
common=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev xvfb xauth xdotool fonts-dejavu-core fonts-dejavu-extra trayer libqcustomplot-dev qt6-svg-dev)
case "${1:-test}" in
  test) wanted=("${common[@]}" clang libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev openbox x11-utils libxml2-utils) ;;
  run)  wanted=("${common[@]}" libgtest-dev libgmock-dev) ;;
  *) echo "usage: deps.sh test|run" >&2; exit 2 ;;
esac

missing=()
for pkg in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
