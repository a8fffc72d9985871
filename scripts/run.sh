#!/usr/bin/env bash
# Builds the calculator and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh run

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DHYDRELIX_BENCH=OFF >/dev/null
cmake --build build -j "$(nproc)"

# Until the window exists, the calculator is a demonstration of the property
# libraries on the terminal.
exec build/bin/hydrelix-demo "$@"
