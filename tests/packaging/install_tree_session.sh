#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging folder as a package would (prefix /usr)
# and starts the installed program from it on a real X server (Xvfb): it
# binds both property libraries from the staged /usr/lib/hydrelix, reads the
# disclaimer and opens the help found there, and names itself to the
# desktop as its entry says. hydrelix-cli --version runs from the staged
# folder when the build has it. Skipped (77) where Xvfb or xdotool is missing.
set -euo pipefail
build=$1
app_id=$2
has_cli=$3
source "$(dirname "$0")/../platform/x_session.sh"
require_tools Xvfb xdotool xprop

stage=$(mktemp -d)
start_private_session -noreset
trap 'end_private_session; rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >"$runtime/install.log" 2>&1 ||
  { cat "$runtime/install.log"; fail "cmake --install failed"; }
private=$stage/usr/lib/hydrelix
desktop_entry=$stage/usr/share/applications/$app_id.desktop
grep -q '^StartupWMClass=Hydrelix$' "$desktop_entry" || fail "the desktop entry names another window class"

if [ "$has_cli" = 1 ]; then
  version=$("$stage/usr/bin/hydrelix-cli" --version) || fail "hydrelix-cli --version failed"
  [ -n "$version" ] || fail "hydrelix-cli --version printed nothing"
  cli_note="; hydrelix-cli --version: $version"
fi

# Under IFC-67 the state computed at start binds both libraries: IFC-67's
# own, and IF-97's for the heat capacity at constant volume and the speed of
# sound.
mkdir -p "$config/Hydrelix"
printf '[Settings]\nIFC=1\n' >"$config/Hydrelix/Hydrelix.conf"

wait_for_window() {
  local found
  for _ in $(seq 200); do
    found=$(xdotool search --name "$1" 2>/dev/null | head -n1) && [ -n "$found" ] && { echo "$found"; return; }
    sleep 0.1
  done
  return 1
}

"$stage/usr/bin/hydrelix" &
hydrelix=$!
pids+=("$hydrelix")
window=$(wait_for_window 'Steam and Water Properties') || fail "the main window never appeared"
[ "$(readlink "/proc/$hydrelix/exe")" = "$private/hydrelix" ] || fail "not the installed program"
xprop -id "$window" WM_CLASS | grep -q '"hydrelix", "Hydrelix"' ||
  fail "WM_CLASS is $(xprop -id "$window" WM_CLASS)"

# The disclaimer beside the installed program: its text window opens.
acceptance=$(wait_for_window 'READ THE DISCLAIMER') || fail "the disclaimer never appeared"
xdotool windowfocus --sync "$acceptance" key alt+r
text=$(wait_for_window 'D I S C L A I M E R') || fail "the disclaimer's text was not found"
xdotool windowfocus --sync "$text" key alt+o
for _ in $(seq 50); do xdotool search --name 'D I S C L A I M E R' >/dev/null 2>&1 || break; sleep 0.1; done
xdotool windowfocus --sync "$acceptance" key alt+a
for _ in $(seq 50); do xdotool search --name 'READ THE DISCLAIMER' >/dev/null 2>&1 || break; sleep 0.1; done

# The help beside the installed program.
xdotool windowfocus --sync "$window" key F1
wait_for_window '^Hydrelix Help$' >/dev/null || fail "the help never opened"

for library in libHydrix.so libCalorix.so; do
  grep -q " $private/$library\$" "/proc/$hydrelix/maps" || fail "$library was not bound from $private"
done

kill -TERM "$hydrelix"
for _ in $(seq 50); do kill -0 "$hydrelix" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$hydrelix" 2>/dev/null || fail "the installed program did not end"
echo "installed into $stage: the program started from it with its libraries, disclaimer and help${cli_note:-}"
