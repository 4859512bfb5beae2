# Shared helpers for the end-to-end tests: each test runs the real program with a
# home folder of its own, under the X server named by DISPLAY.
set -euo pipefail

: "${TV_BIN:?TV_BIN must name the built program}"
: "${DISPLAY:?an X server is needed}"

TV_HOME=$(mktemp -d)
export HOME=$TV_HOME
export XDG_DATA_HOME=$TV_HOME/share
export LIBGL_ALWAYS_SOFTWARE=1
# No sound card on test machines; make sure nothing waits for one.
export ALSOFT_DRIVERS=null
TV_PIDS=()

tv_cleanup() {
  for p in "${TV_PIDS[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  rm -rf "$TV_HOME"
}
trap tv_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts the game in the background; sets TV_PID.
tv_start() {
  "$TV_BIN" >"$TV_HOME/stdout.$$" 2>"$TV_HOME/stderr.$$" &
  TV_PID=$!
  TV_PIDS+=("$TV_PID")
}

# Waits until a window of the game's process is mapped; prints its id.
tv_wait_window() {
  local pid=$1 tries=${2:-150} id
  for _ in $(seq "$tries"); do
    id=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Waits for a process to end; prints its exit code, or "timeout".
tv_wait_exit() {
  local pid=$1 tries=${2:-100}
  for _ in $(seq "$tries"); do
    if ! kill -0 "$pid" 2>/dev/null; then
      local rc=0
      wait "$pid" || rc=$?
      echo "$rc"
      return 0
    fi
    sleep 0.1
  done
  echo timeout
}
