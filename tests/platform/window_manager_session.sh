#!/usr/bin/env bash
# The calculator under a real window manager (openbox on Xvfb): Keep on top
# asks the window manager to keep the same window above the others and takes
# it back, the help opens transient for the main window and above it, each
# window asks for the boxes its design gives, and a second start brings the
# minimised window back with the focus, which a window manager may refuse to
# a program that steals it. Screenshots of the main window, both disclaimer
# windows and the help go to the folder given. Skipped (77) without Xvfb,
# xdotool, xprop or openbox.
set -euo pipefail
program=$1
out=${2:-.}
source "$(dirname "$0")/x_session.sh"
require_tools Xvfb xdotool xprop openbox
start_private_session

main_window() { window_named 'Steam and Water Properties'; }
has_main_window() { [ -n "$(main_window)" ]; }
wm_state_is() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q "window state: $2"; }
above() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE; }
not_above() { ! above "$1"; }
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
activate() { xdotool windowactivate "$1" >/dev/null 2>&1 || true; eventually is_active "$1"; }
screenshot() { command -v import >/dev/null && import -window root "$out/$1" || true; }
# The Motif hints' functions and decorations, as numbers.
motif() {
  xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.*= *//p' | tr -d ' ' |
    awk -F, '{ printf "%d %d %d\n", $1, $2, $3 }'
}
# Fails unless window $1's Motif hints ($2 names it) ask for no box in $3
# (function bits) and for every function bit in $4.
asks_for() {
  local flags functions decorations
  read -r flags functions decorations < <(motif "$1")
  (( flags & 1 )) || fail "$2 states no functions"
  (( (functions & $3) == 0 )) || fail "$2 asks for a box it has not (functions $functions)"
  (( (functions & $4) == $4 )) || fail "$2 lacks a box it has (functions $functions)"
  if (( flags & 2 )); then
    (( (decorations & 0x40) == 0 )) || fail "$2 asks for a maximise box"
  fi
}
readonly MINIMIZE=0x8 MAXIMIZE=0x10 CLOSE=0x20

openbox >/dev/null 2>&1 &
pids+=("$!")
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window; }
eventually wm_running || fail "openbox did not start"

# The disclaimer at start: both windows, then the main window.
"$program" &
first=$!
pids+=("$first")
acceptance=$(wait_window 'READ THE DISCLAIMER') || fail "no acceptance window"
eventually is_active "$acceptance" || fail "the acceptance window did not take the focus"
asks_for "$acceptance" "the acceptance window" $(( MINIMIZE | MAXIMIZE | CLOSE )) 0
screenshot acceptance_window_under_openbox.png
xdotool key alt+r                             # Read the Disclaimer
text=$(wait_window 'D I S C L A I M E R') || fail "no disclaimer text window"
asks_for "$text" "the disclaimer text window" $(( MINIMIZE | MAXIMIZE | CLOSE )) 0
screenshot disclaimer_window_under_openbox.png
activate "$text" || fail "the text window did not take the focus"
xdotool key Return                            # OK
eventually no_window 'D I S C L A I M E R' || fail "OK did not close the text window"
activate "$acceptance" || fail "the acceptance window did not come back"
xdotool key alt+a                             # Agree
eventually no_window 'READ THE DISCLAIMER' || fail "Agree did not close the acceptance window"

window=$(main_window)
[ -n "$window" ] || fail "no main window"
asks_for "$window" "the main window" "$MAXIMIZE" $(( MINIMIZE | CLOSE ))
activate "$window" || fail "the main window did not take the focus"
screenshot main_window_under_openbox.png

# Keep on top, on and off, on the same native window.
menu_item alt+f k                             # File, Keep Calculator on Top
eventually above "$window" || fail "Keep on top did not keep the window above the others"
[ "$(main_window)" = "$window" ] || fail "Keep on top made the window anew"
activate "$window" || fail "the main window lost the focus"
menu_item alt+f k
eventually not_above "$window" || fail "Keep on top, unticked, left the window above"
[ "$(main_window)" = "$window" ] || fail "Keep on top, unticked, made the window anew"

# The help over a main window kept on top: transient for it, and above.
activate "$window" || fail "the main window lost the focus"
menu_item alt+f k
eventually above "$window" || fail "Keep on top did not come back"
activate "$window" || true
xdotool key F1
help=$(wait_window 'Hydrelix Help') || fail "F1 opened no help"
xprop -id "$help" WM_TRANSIENT_FOR | grep -q "$(printf '0x%x' "$window")" ||
  fail "the help is not transient for the main window"
eventually above "$help" || fail "the help is not kept above a main window kept on top"
screenshot help_under_openbox.png
activate "$help" || fail "the help did not take the focus"
xdotool key alt+F4                            # openbox's Close
eventually no_window 'Hydrelix Help' || fail "the help did not close"
activate "$window" || fail "the main window did not take the focus back"
menu_item alt+f k
eventually not_above "$window" || fail "Keep on top, unticked, left the window above"

# A second start brings the minimised window back, with the focus.
xdotool windowminimize "$window"
eventually wm_state_is "$window" Iconic || fail "the window manager did not minimise the window"
status=0
timeout 20 "$program" || status=$?
[ "$status" -eq 0 ] || fail "the second start ended with status $status"
eventually wm_state_is "$window" Normal || fail "the second start did not bring the minimised window back"
eventually is_active "$window" || fail "the window came back without the focus"

menu_item alt+f x                             # File, Exit
eventually ended "$first" || fail "Exit did not end the program"
echo "under openbox: the same window kept on top and back, the help transient and above it," \
     "the boxes asked for as designed; a second start restored the minimised window with the focus"
