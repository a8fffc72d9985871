#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian packages from a Release build of its own in build-package/
# (tests and benchmarks off) with cpack, one package per install component:
#   build-package/packages/hydrelix_<version>_<arch>.deb         the calculator
#   build-package/packages/libhydrelix-dev_<version>_<arch>.deb  the engines for C++
#   build-package/packages/python3-hydrelix_<version>_<arch>.deb the Python module
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh package

build=build-package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/packages/*.deb
(cd "$build" && cpack -G DEB)
echo "Packages:"
ls -1 "$PWD/$build"/packages/*.deb
