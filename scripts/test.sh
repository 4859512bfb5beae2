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

. "$root/scripts/xserver.sh"
trap tv_xserver_stop EXIT
tv_xserver_needed
export LIBGL_ALWAYS_SOFTWARE=1

cd "$build"
ctest --output-on-failure -j "$(nproc)"
