#!/usr/bin/env bash
# Builds everything and runs every test. Without a display it starts its own
# X server, so window and end-to-end tests run anywhere.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TV_BUILD_DIR:-$root/build}
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
# The library must also build in Release, where GCC's optimiser warns differently.
TV_BUILD_DIR="$build-release" "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=Release \
  -DTV_TESTS=OFF -DTV_BENCH=OFF --target tv_layers tv_levelcheck

xvfb_pid=""
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  fifo=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$fifo" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$fifo")"
  rm -f "$fifo"
fi
export LIBGL_ALWAYS_SOFTWARE=1

cd "$build"
ctest --output-on-failure -j "$(nproc)"
