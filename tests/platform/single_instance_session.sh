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
lock=$runtime/hydrelix.lock

main_windows() { xdotool search --onlyvisible --name 'Steam and Water Properties' 2>/dev/null | wc -l; }
start_first() {
  "$program" &
  first=$!
  pids+=("$first")
}
# The splash shows: a window of the program, but no main window yet.
splash_shown() { [ "$(program_windows)" -gt 0 ] && [ "$(main_windows)" -eq 0 ]; }
# A second start must end by itself, at once and successfully.
second_start() {
  local status=0
  timeout 20 "$program" || status=$?
  [ "$status" -eq 0 ] || fail "the second start ended with status $status ($1)"
}
kill_first() {
  kill -9 "$first"
  wait "$first" 2>/dev/null || true
}

# 1. A second start while the first still shows its splash: it ends at
# once, and the first, once up, shows exactly one main window.
start_first
eventually splash_shown || fail "the first never showed its splash"
second_start "during start-up"
wait_window 'Steam and Water Properties' >/dev/null || fail "the first never showed its window"
agree
[ "$(main_windows)" -eq 1 ] || fail "more than one main window"
kill -0 "$first" || fail "the first copy ended"

# 2. Killed outright, the first leaves its lock file and socket behind;
# the next start is not blocked by them.
kill_first
[ -S "$runtime/hydrelix.socket" ] || fail "expected the killed copy's socket to be left behind"
start_first
wait_window 'Steam and Water Properties' >/dev/null || fail "a stale lock blocked the start"
agree
[ "$(stat -c %a "$lock")" = 600 ] || fail "the lock file is not the user's alone"

# 3. Hidden in the tray, the first comes back on a second start.
if command -v trayer >/dev/null; then
  kill_first
  trayer --align left --widthtype pixel --width 200 >/dev/null 2>&1 &
  pids+=("$!")
  tray_shown() { [ -n "$(xdotool search --classname trayer 2>/dev/null)" ]; }
  eventually tray_shown || fail "trayer did not start"
  start_first
  window=$(wait_window 'Steam and Water Properties') || fail "no main window"
  agree
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # Without a window manager the keyboard follows the pointer.
  xdotool mousemove $(( X + WIDTH / 2 )) $(( Y + HEIGHT / 2 ))
  menu_item alt+f h                          # File, Hide
  hidden() { [ "$(main_windows)" -eq 0 ]; }
  eventually hidden || fail "Hide left the window on screen"
  second_start "hidden in the tray"
  wait_window 'Steam and Water Properties' >/dev/null || fail "the hidden window did not come back"
  echo "hidden in the tray: brought back"
else
  echo "no trayer: the tray case skipped"
fi

# 4. A copy holds the lock but does not answer: the message, then the end.
kill_first
rm -f "$runtime/hydrelix.socket"
# No fork: the holder is the process the cleanup kills.
flock --no-fork "$lock" sleep 120 &
holder=$!
pids+=("$holder")
eventually lock_held "$lock" || fail "the stand-in copy did not take the lock"
"$program" &
second=$!
pids+=("$second")
wait_window '^Hydrelix$' >/dev/null || fail "no message about the unreachable copy"
press_until_gone '^Hydrelix$' Return || fail "the message did not close"
eventually ended "$second" || fail "the second start kept running after the message"

# 5. Told to stop while the disclaimer waits at start, the copy ends.
kill -9 "$holder"
wait "$holder" 2>/dev/null || true
start_first
wait_window 'READ THE DISCLAIMER' >/dev/null || fail "no acceptance window"
kill -TERM "$first"
eventually ended "$first" || fail "SIGTERM under the disclaimer did not end the program"
# Under the splash: it ends without ever showing its main window.
start_first
eventually splash_shown || fail "no splash"
kill -TERM "$first"
eventually ended "$first" || fail "SIGTERM under the splash did not end the program"
[ "$(main_windows)" -eq 0 ] || fail "a main window showed after SIGTERM under the splash"
echo "second start raises the first; a killed copy does not block; an unreachable copy is reported; SIGTERM at start ends it"
