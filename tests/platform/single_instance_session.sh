#!/usr/bin/env bash
# Two real copies of the calculator on a virtual X server: a second start
# raises the first and ends without a window of its own, also while the
# first is still starting and while it is hidden in the tray; a copy killed
# outright does not block the next start; a lock held by a copy that does
# not answer gives the message. Skipped (77) without Xvfb or xdotool; the
# tray part needs trayer.
set -euo pipefail
program=$1
source "$(dirname "$0")/x_session.sh"
require_tools Xvfb xdotool flock
start_private_session

# Waits up to five seconds for a window; prints its id.
wait_window() {
  local id
  for _ in $(seq 50); do
    id=$(xdotool search $2 --name "$1" 2>/dev/null | head -n1) && [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
main_windows() { xdotool search --onlyvisible --name 'Steam and Water Properties' 2>/dev/null | wc -l; }
start_first() {
  "$program" &
  first=$!
  pids+=("$first")
}
# The acceptance window comes up at start with the pointer on Agree.
agree() {
  wait_window 'READ THE DISCLAIMER' --onlyvisible >/dev/null || fail "no acceptance window"
  sleep 0.3
  xdotool click 1
  sleep 0.3
}
# A second start must end by itself, at once and successfully.
second_start() {
  local status=0
  timeout 10 "$program" || status=$?
  [ "$status" -eq 0 ] || fail "the second start ended with status $status ($1)"
}

# 1. A second start while the first still shows its splash: it ends at
# once, and the first, once up, shows exactly one main window.
start_first
sleep 0.5
second_start "during start-up"
wait_window 'Steam and Water Properties' --onlyvisible >/dev/null || fail "the first never showed its window"
agree
[ "$(main_windows)" -eq 1 ] || fail "more than one main window"
kill -0 "$first" || fail "the first copy ended"

# 2. Killed outright, the first leaves its lock file and socket behind;
# the next start is not blocked by them.
kill -9 "$first"
wait "$first" 2>/dev/null || true
[ -S "$runtime/hydrelix.socket" ] || fail "expected the killed copy's socket to be left behind"
start_first
wait_window 'Steam and Water Properties' --onlyvisible >/dev/null || fail "a stale lock blocked the start"
agree
[ "$(stat -c %a "$runtime/hydrelix.lock")" = 600 ] || fail "the lock file is not the user's alone"

# 3. Hidden in the tray, the first comes back on a second start.
if command -v trayer >/dev/null; then
  kill -9 "$first"
  trayer --align left --widthtype pixel --width 200 >/dev/null 2>&1 &
  pids+=("$!")
  sleep 1
  start_first
  window=$(wait_window 'Steam and Water Properties' --onlyvisible) || fail "no main window"
  agree
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # Without a window manager the keyboard follows the pointer.
  xdotool mousemove $(( X + WIDTH / 2 )) $(( Y + HEIGHT / 2 ))
  xdotool key alt+f
  sleep 0.3
  xdotool key h                              # File, Hide
  sleep 0.5
  [ "$(main_windows)" -eq 0 ] || fail "Hide left the window on screen"
  second_start "hidden in the tray"
  wait_window 'Steam and Water Properties' --onlyvisible >/dev/null || fail "the hidden window did not come back"
  echo "hidden in the tray: brought back"
else
  echo "no trayer: the tray case skipped"
fi

# 4. A copy holds the lock but does not answer: the message, then the end.
kill -9 "$first"
wait "$first" 2>/dev/null || true
rm -f "$runtime/hydrelix.socket"
# No fork: the holder is the process the cleanup kills.
flock --no-fork "$runtime/hydrelix.lock" sleep 60 &
holder=$!
pids+=("$holder")
sleep 0.3
"$program" &
second=$!
pids+=("$second")
wait_window '^Hydrelix$' --onlyvisible >/dev/null || fail "no message about the unreachable copy"
sleep 0.3
xdotool key Return
for _ in $(seq 50); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
kill -0 "$second" 2>/dev/null && fail "the second start kept running after the message"

# 5. Told to stop while the disclaimer waits at start, the copy ends.
kill -9 "$holder"
start_first
wait_window 'READ THE DISCLAIMER' --onlyvisible >/dev/null || fail "no acceptance window"
kill -TERM "$first"
for _ in $(seq 50); do kill -0 "$first" 2>/dev/null || break; sleep 0.1; done
kill -0 "$first" 2>/dev/null && fail "SIGTERM under the disclaimer did not end the program"
# Under the splash: it ends without ever showing its main window.
start_first
sleep 1
kill -TERM "$first"
for _ in $(seq 30); do kill -0 "$first" 2>/dev/null || break; sleep 0.1; done
kill -0 "$first" 2>/dev/null && fail "SIGTERM under the splash did not end the program"
echo "second start raises the first; a killed copy does not block; an unreachable copy is reported; SIGTERM at start ends it"
