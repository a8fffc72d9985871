#!/usr/bin/env bash
# The calculator under a real window manager (openbox on Xvfb): Keep on top
# asks the window manager to keep the window above the others and takes it
# back, and a second start brings the minimised window back and gives it the
# focus, which a window manager may refuse to a program that steals it.
# Skipped (77) without Xvfb, xdotool, xprop or openbox.
set -euo pipefail
program=$1
source "$(dirname "$0")/x_session.sh"
require_tools Xvfb xdotool xprop openbox
start_private_session
# No disclaimer at start: this session is about the main window.
mkdir -p "$config/Hydrelix"
printf '[Settings]\nDisclaimer%%20Show=False\n' >"$config/Hydrelix/Hydrelix.conf"

# Polls a condition for up to five seconds.
eventually() {
  for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done
  return 1
}
# The main window's id; it changes when the window is made anew.
main_window() { xdotool search --onlyvisible --name 'Steam and Water Properties' 2>/dev/null | head -n1; }
has_window() { [ -n "$(main_window)" ]; }
wm_state_is() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q "window state: $2"; }
above() { xprop -id "$(main_window)" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE; }
not_above() { ! above; }
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$(main_window)" ]; }
menu() {
  xdotool windowactivate --sync "$(main_window)" >/dev/null 2>&1 || true
  xdotool key alt+f
  sleep 0.3
  xdotool key "$1"
}

openbox >/dev/null 2>&1 &
pids+=("$!")
eventually xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 || fail "openbox did not start"
sleep 0.5
"$program" &
first=$!
pids+=("$first")
eventually has_window || fail "the window never appeared"
sleep 0.5

menu k                                        # File, Keep Calculator on Top
eventually above || fail "Keep on top did not keep the window above the others"
menu k
eventually has_window && eventually not_above || fail "Keep on top, unticked, left the window above"

window=$(main_window)
xdotool windowminimize "$window"
eventually wm_state_is "$window" Iconic || fail "the window manager did not minimise the window"
status=0
timeout 10 "$program" || status=$?
[ "$status" -eq 0 ] || fail "the second start ended with status $status"
eventually wm_state_is "$window" Normal || fail "the second start did not bring the minimised window back"
eventually is_active || fail "the window came back without the focus"

menu x                                        # File, Exit
for _ in $(seq 50); do kill -0 "$first" 2>/dev/null || break; sleep 0.1; done
kill -0 "$first" 2>/dev/null && fail "Exit did not end the program"
echo "under openbox: kept on top and back; a second start restored the minimised window with the focus"
