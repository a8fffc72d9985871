#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs every test: once in a Release build, once more under
# AddressSanitizer + UndefinedBehaviorSanitizer (clang, with the fuzz targets).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test

jobs=$(nproc)
start=$(date +%s)

echo "== Release build and tests =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DHYDRELIX_BENCH=ON >/dev/null
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

echo "== Sanitizer build and tests (ASan + UBSan, clang) =="
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DCMAKE_C_FLAGS_DEBUG="-O1 -g" \
  -DHYDRELIX_SANITIZE=ON -DHYDRELIX_FUZZ=ON -DHYDRELIX_BENCH=OFF >/dev/null
cmake --build build-san -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
# Only what Qt and the font and X libraries under it keep until exit.
export LSAN_OPTIONS=suppressions=$PWD/tests/platform/qt_leaks.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-san && ctest --output-on-failure -j "$jobs")

echo "Build and tests took $(( $(date +%s) - start )) s"
