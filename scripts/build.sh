#!/usr/bin/env bash
# Configures and builds out of tree in ./build (or $TV_BUILD_DIR), warnings as errors.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TV_BUILD_DIR:-$root/build}
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# Arguments up to "--target" go to the configure step, the rest to the build.
configure=() targets=()
while [ $# -gt 0 ]; do
  if [ "$1" = --target ]; then targets=("$@"); break; fi
  configure+=("$1"); shift
done
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTV_WERROR=ON "${launcher[@]}" "${configure[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)" "${targets[@]}"
