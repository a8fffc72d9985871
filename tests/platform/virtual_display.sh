# Sourced by the sessions on a real X server: start_virtual_display starts
# Xvfb on a free display, exports DISPLAY and leaves the server's pid in
# $xvfb. Further Xvfb options may be passed.
start_virtual_display() {
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp "$@" 3>"$display_file" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
  export DISPLAY=:$(head -n1 "$display_file")
  rm -f "$display_file"
}
