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
# -noreset: the server would otherwise reset when the first session ends and
# refuse the second for a moment.
start_private_session -noreset
settings_file=$config/Hydrelix/Hydrelix.conf

start() {
  "$program" &
  hydrelix=$!
  pids+=("$hydrelix")
  window=
  for _ in $(seq 100); do
    window=$(xdotool search --name 'Steam and Water Properties' 2>/dev/null | head -n1) && [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "the window never appeared"; exit 1; }
  # The disclaimer comes up at start; the pointer already sits on Agree.
  for _ in $(seq 50); do
    xdotool search --name 'READ THE DISCLAIMER' >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 0.3
  xdotool click 1
  sleep 0.3
}
# Waits for the program to end by itself and takes its exit status.
ended() {
  for _ in $(seq 50); do
    kill -0 "$hydrelix" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$hydrelix" 2>/dev/null; then echo "$1 did not end the program"; exit 1; fi
  local status=0
  wait "$hydrelix" || status=$?
  hydrelix=
  [ "$status" -eq 0 ] || { echo "$1: the program ended with status $status"; exit 1; }
}

start
eval "$(xdotool getwindowgeometry --shell "$window")"

# Without a window manager the keyboard follows the pointer.
menu=$(( HEIGHT - 475 ))
click() { xdotool mousemove $(( X + $1 )) $(( Y + menu + $2 )) click 1; sleep 0.3; }
click 180 125            # the pressure field
xdotool type --delay 50 "100"
xdotool key alt+c        # Compute, by its access key
sleep 0.5
command -v import >/dev/null && import -window root "$out/main_window_on_x.png" || true
xdotool key alt+f
sleep 0.3
xdotool key x            # E&xit
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
# The Help menu, the menu bar's last: from File one step to the left wraps to
# it, wherever the captions before it put it. (Alt+H is the Hide button's.)
xdotool mousemove $(( X + 100 )) $(( Y + 200 ))
xdotool key alt+f
sleep 0.3
xdotool key Left
sleep 0.3
xdotool key Up Return                                  # its last item, About
for _ in $(seq 50); do
  xdotool search --name '^About' >/dev/null 2>&1 && break
  sleep 0.1
done
xdotool search --name '^About' >/dev/null 2>&1 || { echo "the About window never appeared"; exit 1; }
kill -TERM "$hydrelix"
ended "SIGTERM under the About window"
[ -s "$settings_file" ] || { echo "SIGTERM under the About window wrote no settings"; exit 1; }
echo "started, typed a pressure, computed and exited with its settings saved; ended by SIGTERM, also under the About window; on $DISPLAY"
