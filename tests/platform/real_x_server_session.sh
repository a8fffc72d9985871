#!/usr/bin/env bash
# One session on a real X server (Xvfb): start the calculator, type a
# pressure, Compute, Exit; then once more, ended by SIGTERM, and once more,
# ended by SIGTERM while the About window is open. Skipped (77)
# where Xvfb or xdotool is missing.
set -euo pipefail
program=$1
out=$2
source "$(dirname "$0")/x_session.sh"
require_tools Xvfb xdotool
start_private_session
settings_file=$config/Hydrelix/Hydrelix.conf

start() {
  "$program" &
  hydrelix=$!
  pids+=("$hydrelix")
  window=$(wait_window 'Steam and Water Properties') || { echo "the window never appeared"; exit 1; }
  # The disclaimer comes up at start; the pointer already sits on Agree.
  agree
}
# Waits for the program to end by itself and takes its exit status.
ended() {
  eventually ended_process "$hydrelix" || { echo "$1 did not end the program"; exit 1; }
  local status=0
  wait "$hydrelix" || status=$?
  hydrelix=
  [ "$status" -eq 0 ] || { echo "$1: the program ended with status $status"; exit 1; }
}
ended_process() { ! kill -0 "$1" 2>/dev/null; }

start
eval "$(xdotool getwindowgeometry --shell "$window")"

# Without a window manager the keyboard follows the pointer.
menu=$(( HEIGHT - 475 ))
field_focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]; }
xdotool mousemove $(( X + 180 )) $(( Y + menu + 125 )) click 1   # the pressure field
eventually field_focused || fail "the window did not take the keyboard"
xdotool type --delay 50 "100"
xdotool key alt+c        # Compute, by its access key
command -v import >/dev/null && import -window root "$out/main_window_on_x.png" || true
menu_item alt+f x        # File, E&xit
ended "Exit"
grep -q '^IFC=0' "$settings_file" && grep -q '^TFormat=' "$settings_file" ||
  { echo "Exit wrote no settings to $settings_file"; exit 1; }

# SIGTERM ends the program as Exit does, settings and all.
rm -f "$settings_file"

start
kill -TERM "$hydrelix"
ended "SIGTERM"
[ -s "$settings_file" ] || { echo "SIGTERM wrote no settings"; exit 1; }

# The same with a modal window open: its loop ends, then the unload runs.
rm -f "$settings_file"
start
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $(( X + WIDTH / 2 )) $(( Y + HEIGHT / 2 ))
menu_item alt+h a                                      # Help, About
wait_window '^About' >/dev/null || { echo "the About window never appeared"; exit 1; }
kill -TERM "$hydrelix"
ended "SIGTERM under the About window"
[ -s "$settings_file" ] || { echo "SIGTERM under the About window wrote no settings"; exit 1; }
echo "started, typed a pressure, computed and exited with its settings saved; ended by SIGTERM, also under the About window; on $DISPLAY"
