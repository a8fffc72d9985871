#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Another program builds against the engines as installed: the CMake package
# and the pkg-config files of a staging install, nothing from this tree.
#   consumer_package_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/stage" --component dev >/dev/null

cmake -S "$source/tests/package/consumer" -B "$work/consumer" -G Ninja \
  -DCMAKE_PREFIX_PATH="$work/stage" >/dev/null
cmake --build "$work/consumer" >/dev/null
out=$("$work/consumer/consumer")
echo "$out"
grep -qx 'h(300 K, 3 MPa) = 115.331273 kJ/kg' <<<"$out"

# pkg-config resolves against wherever the tree was put.
pc=$(find "$work/stage" -name 'hydrelix-if97.pc' -printf '%h')
flags=$(PKG_CONFIG_PATH="$pc" pkg-config --cflags --libs hydrelix-if97 hydrelix-ifc67)
echo "pkg-config: $flags"
case "$flags" in *"$work/stage"*) ;; *) echo "pkg-config does not point into the staging tree" >&2; exit 1 ;; esac
# shellcheck disable=SC2086
c++ -std=c++17 "$source/tests/package/consumer/main.cpp" $flags -o "$work/by_pkg_config"
"$work/by_pkg_config" | grep -qx 'h(300 K, 3 MPa) = 115.331273 kJ/kg'
echo "consumer built by CMake and by pkg-config"
