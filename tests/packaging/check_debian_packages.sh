#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian packages from a Release tree with cpack and checks them as
# a distribution would: nothing under /usr/local, directories 0755, the icon
# sizes, the desktop entry, the metainfo, the manual pages, and lintian with
# no error or warning but those overridden with a reason. Skipped (77) where
# a checking tool is missing (scripts/deps.sh test installs them).
set -euo pipefail
build=$1
app_id=$2
fail() { echo "FAIL: $*"; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli xmllint file; do
  command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/packages" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack could not make the packages"; }
shopt -s nullglob
debs=("$work"/packages/*.deb)
[ ${#debs[@]} -gt 0 ] || fail "cpack made no package"

for deb in "${debs[@]}"; do
  name=$(dpkg-deb -f "$deb" Package)
  listing=$(dpkg-deb -c "$deb")
  ! grep -q ' \./usr/local' <<<"$listing" || fail "$name installs under /usr/local"
  ! grep '^d' <<<"$listing" | grep -v '^drwxr-xr-x ' ||
    fail "$name has directories that are not 0755"
  # A maintainer script to run at removal or a configuration file keeps the
  # package known to dpkg after `apt-get remove`, until a purge.
  ! dpkg-deb -I "$deb" | grep -Ew 'postrm|conffiles' ||
    fail "$name leaves something behind when removed"
  root=$work/root/$name
  mkdir -p "$root"
  dpkg-deb -x "$deb" "$root"
  [ -f "$root/usr/share/doc/$name/copyright" ] || fail "$name has no copyright file"
  [ -f "$root/usr/share/doc/$name/changelog.gz" ] || fail "$name has no changelog"
  # Each override says why it is there: a comment right above it.
  overrides=$root/usr/share/lintian/overrides/$name
  if [ -f "$overrides" ]; then
    awk '/^#/ { reason = 1; next } /^[[:space:]]*$/ { reason = 0; next }
         !reason { print "override without a reason: " $0; bad = 1 } END { exit bad }' \
      "$overrides" || fail "$name: every lintian override needs a reason"
  fi
done

# The program's package: menu entry, icons, metainfo and manual pages.
program=$work/root/hydrelix
[ -d "$program" ] || fail "no package named hydrelix"
for size in 16 22 24 32 48 64 128 256; do
  icon=$program/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [ -f "$icon" ] || fail "no $size px icon"
  file -b "$icon" | grep -q "^PNG image data, $size x $size," ||
    fail "the $size px icon is $(file -b "$icon")"
done
svg=$program/usr/share/icons/hicolor/scalable/apps/$app_id.svg
xmllint --noout "$svg" && grep -q '<svg' "$svg" || fail "no scalable icon"
desktop-file-validate "$program/usr/share/applications/$app_id.desktop" ||
  fail "desktop-file-validate found faults"
appstream=$(appstreamcli validate --no-net --pedantic "$program/usr/share/metainfo/$app_id.metainfo.xml" 2>&1) ||
  { echo "$appstream"; fail "appstreamcli validate failed"; }
! grep -E '^[EW]:' <<<"$appstream" || fail "appstreamcli reported errors or warnings"
for executable in "$program"/usr/bin/*; do
  page=$program/usr/share/man/man1/$(basename "$executable").1.gz
  [ -f "$page" ] || fail "no manual page for $(basename "$executable")"
done

# The engines' package builds another program, unpacked anywhere, and the
# Python module imports from its package.
if [ -d "$work/root/libhydrelix-dev" ]; then
  source_dir=$(cd "$(dirname "$0")/../.." && pwd)
  cmake -S "$source_dir/tests/package/consumer" -B "$work/consumer" -G Ninja \
    -DCMAKE_PREFIX_PATH="$work/root/libhydrelix-dev/usr" >"$work/consumer.log" 2>&1 &&
    cmake --build "$work/consumer" >>"$work/consumer.log" 2>&1 ||
    { cat "$work/consumer.log"; fail "a program does not build against libhydrelix-dev"; }
  "$work/consumer/consumer" | grep -qx 'h(300 K, 3 MPa) = 115.331273 kJ/kg' ||
    fail "the program built against libhydrelix-dev computes wrongly"
fi
if [ -d "$work/root/python3-hydrelix" ]; then
  PYTHONPATH="$work/root/python3-hydrelix/usr/lib/python3/dist-packages" /usr/bin/python3 -c \
    'import hydrelix; assert abs(hydrelix.if97.state_tp(300.0, 3.0).h - 115.331273) < 1e-6' ||
    fail "hydrelix does not import from python3-hydrelix"
fi

# One lintian run over every package. Errors and warnings fail; so does an
# override that no longer matches anything.
report=$(lintian --fail-on error,warning --display-info "${debs[@]}" 2>&1) ||
  { echo "$report"; fail "lintian reported errors or warnings"; }
! grep -E 'unused-override|mismatched-override' <<<"$report" || fail "stale lintian overrides"
echo "packages checked: ${debs[*]##*/}"
