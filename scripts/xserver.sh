# A virtual X server of the scripts' own, for machines without a display: sourced by
# the test, soak and benchmark scripts and the end-to-end tests.
#   tv_xserver_start [SIZE]   starts one (SIZE like 1024x600, 1280x1024 unless given),
#                             stopping the one started before, and points DISPLAY at it
#   tv_xserver_needed [SIZE]  the same, only when no DISPLAY is set
#   tv_xserver_stop           stops the one started here, if any
# The caller stops it at exit (trap), as only it knows what else its trap does.

TV_XSERVER_PID=""

tv_xserver_start() {
  tv_xserver_stop
  local answer
  answer=$(mktemp)
  # The server picks a free display number and writes it once it accepts clients.
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp 3>"$answer" 2>/dev/null &
  TV_XSERVER_PID=$!
  for _ in $(seq 100); do [ -s "$answer" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$answer")"
  rm -f "$answer"
}

tv_xserver_needed() { [ -n "${DISPLAY:-}" ] || tv_xserver_start "$@"; }

tv_xserver_stop() {
  [ -z "$TV_XSERVER_PID" ] || kill "$TV_XSERVER_PID" 2>/dev/null || true
  TV_XSERVER_PID=""
}
