# Sourced by the sessions on a real X server.

# Ends the session as skipped (77) unless every tool named is on the path.
require_tools() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
  done
}

# Starts Xvfb on a free display (further Xvfb options may be passed) and
# exports DISPLAY, and gives the session runtime and settings folders of its
# own ($runtime, $config), so the user's own stay untouched. When the script
# ends, every process listed in $pids, the server and the folders go.
start_private_session() {
  runtime=$(mktemp -d)
  config=$(mktemp -d)
  pids=()
  trap end_private_session EXIT
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp "$@" 3>"$display_file" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
  export DISPLAY=:$(head -n1 "$display_file")
  rm -f "$display_file"
  export XDG_RUNTIME_DIR=$runtime XDG_CONFIG_HOME=$config
  chmod 700 "$runtime"
}

end_private_session() {
  for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$runtime" "$config"
}

fail() { echo "FAIL: $*"; exit 1; }
