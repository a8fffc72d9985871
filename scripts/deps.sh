#!/usr/bin/env bash
# Installs the Debian packages a build needs, only when some are missing.
#   deps.sh test     compilers, CMake, Ninja, Qt, GoogleTest, Google Benchmark, sanitizers,
#                    and the tools that check the Debian packages
#   deps.sh run      what building and showing the calculator needs
#   deps.sh package  what building the Debian packages needs
set -euo pipefail

# Qt 6 Widgets for the window; Xvfb, xdotool and xauth to show and drive it
# on a machine without a display; the condensed DejaVu face the window's
# captions are laid out for; trayer, a tray for the program to hide in on
# the virtual display; for the tests, openbox and xprop, a window manager
# and a look at what the program asked of it. QCustomPlot draws the charts;
# Qt's SVG module draws the desktop icons from their drawing and writes the
# charts as SVG; dpkg-shlibdeps (dpkg-dev) and file let cpack work out the
# package's dependencies; desktop-file-utils, appstream, lintian and xmllint
# (libxml2-utils) check the package and the charts' SVG. The Python module:
# pybind11, Debian's interpreter with NumPy, pytest and Dask for its tests and
# example, and python3-iapws to measure it against.
common=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libqcustomplot-dev libgl-dev xvfb xauth xdotool fonts-dejavu-core fonts-dejavu-extra trayer)
packaging=(dpkg-dev file pybind11-dev python3-dev python3-numpy)
package_checks=(desktop-file-utils appstream lintian libxml2-utils)
case "${1:-test}" in
  test) wanted=("${common[@]}" clang libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev openbox x11-utils
        python3-pytest python3-dask python3-distributed python3-iapws
        "${packaging[@]}" "${package_checks[@]}") ;;
  run)  wanted=("${common[@]}" libgtest-dev libgmock-dev) ;;
  package) wanted=("${common[@]}" "${packaging[@]}") ;;
  *) echo "usage: deps.sh test|run|package" >&2; exit 2 ;;
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
