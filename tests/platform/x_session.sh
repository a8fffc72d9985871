# Sourced by the sessions on a real X server. They wait only by polling with
# a bound (eventually), never by fixed sleeps, so a loaded machine makes them
# slower, not flaky.

# Ends the session as skipped (77) unless every tool named is on the path.
require_tools() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
  done
}

# Starts Xvfb on a free display and exports DISPLAY, and gives the session
# runtime and settings folders of its own ($runtime, $config), so the user's
# own stay untouched. -noreset: the server would otherwise reset when its
# last client goes (a program killed outright, say) and refuse the next one
# for a moment. When the script ends, every process listed in $pids, the
# server and the folders go.
start_private_session() {
  runtime=$(mktemp -d)
  config=$(mktemp -d)
  pids=()
  trap end_private_session EXIT
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset "$@" 3>"$display_file" \
    >/dev/null 2>&1 &
  xvfb=$!
  eventually test -s "$display_file" || fail "Xvfb did not start"
  export DISPLAY=:$(head -n1 "$display_file")
  rm -f "$display_file"
  export XDG_RUNTIME_DIR=$runtime XDG_CONFIG_HOME=$config
  chmod 700 "$runtime"
  eventually xdpyinfo_ready || fail "the X server did not answer"
}

end_private_session() {
  for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$runtime" "$config"
}

fail() { echo "FAIL: $*"; exit 1; }

# Runs the command given every tenth of a second until it succeeds, for at
# most $poll_seconds (20 unless set); the command's last status is the answer.
eventually() {
  local tries=$(( ${poll_seconds:-20} * 10 ))
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  "$@"
}

xdpyinfo_ready() { xdotool getmouselocation >/dev/null 2>&1; }

# The first visible window whose name matches $1, or nothing.
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
shows_window() { [ -n "$(window_named "$1")" ]; }
no_window() { ! shows_window "$1"; }
# Waits for a visible window named like $1 and prints its id.
wait_window() {
  eventually shows_window "$1" || return 1
  window_named "$1"
}

# The program's visible windows, menus and splash included.
program_windows() { xdotool search --onlyvisible --classname hydrelix 2>/dev/null | wc -l; }
more_program_windows_than() { [ "$(program_windows)" -gt "$1" ]; }

# Opens a menu by its access key ($1, e.g. alt+f) and, once it shows, presses
# the item's key ($2). Without a window manager the keyboard follows the
# pointer, which must then be over the window.
menu_item() {
  local before
  before=$(program_windows)
  xdotool key "$1"
  eventually more_program_windows_than "$before" || fail "the menu of $1 did not open"
  xdotool key "$2"
}

pointer_inside() {
  local X Y WIDTH HEIGHT SCREEN WINDOW mouse_x mouse_y
  eval "$(xdotool getmouselocation --shell)"
  mouse_x=$X mouse_y=$Y
  eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)" || return 1
  [ "$mouse_x" -ge "$X" ] && [ "$mouse_x" -lt $(( X + WIDTH )) ] &&
    [ "$mouse_y" -ge "$Y" ] && [ "$mouse_y" -lt $(( Y + HEIGHT )) ]
}

# The acceptance window at start puts the pointer on Agree; a click there
# agrees, and the window goes.
agree() {
  local window
  window=$(wait_window 'READ THE DISCLAIMER') || fail "no acceptance window"
  eventually pointer_inside "$window" || fail "the pointer is not on the acceptance window"
  xdotool click 1
  eventually no_window 'READ THE DISCLAIMER' || fail "Agree did not close the acceptance window"
}

# Presses $2 in the window named like $1, with the pointer over it, until the
# window is gone; the window may come up before it takes keys.
press_until_gone() {
  local window tries=$(( ${poll_seconds:-20} * 10 ))
  for _ in $(seq "$tries"); do
    window=$(window_named "$1")
    [ -z "$window" ] && return 0
    eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)" || continue
    xdotool mousemove $(( X + WIDTH / 2 )) $(( Y + HEIGHT / 2 )) key "$2"
    sleep 0.1
  done
  no_window "$1"
}

# A process that has ended (or was never started).
ended() { ! kill -0 "$1" 2>/dev/null; }
# The single-instance lock $1 is held by a running copy.
lock_held() { [ -e "$1" ] && ! flock -n "$1" true; }
