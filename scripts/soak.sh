#!/usr/bin/env bash
# Plays LEVELS levels (50 unless given) of the real game in a window under
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, and prints the
# process's figures as it goes (see tools/soak/main.cpp). Further arguments go to the
# soak player (e.g. --menu-every 3). Builds with Debian's gcc and ccache in build-asan/
# (the game data too), starts its own X server when none is set, and runs at low
# priority. Exits non-zero on any sanitizer report, leak, growth or wrong file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TV_SOAK_BUILD_DIR:-$root/build-asan}
levels=${1:-50}
shift || true

"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTV_SANITIZE=ON -DTV_TESTS=OFF -DTV_BENCH=OFF \
  -DCMAKE_C_COMPILER=/usr/bin/gcc -DCMAKE_CXX_COMPILER=/usr/bin/g++ \
  -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
nice -n 10 cmake --build "$build" -j"$(nproc)" --target tv_soak

. "$root/scripts/xserver.sh"
trap tv_xserver_stop EXIT
tv_xserver_needed

# Any report ends the run with an error; leaks are looked for at the end of the run.
# Leaks inside system libraries the game loads but does not own (the desktop bus
# library SDL opens) are left out through the suppressions file. A quarantine of freed
# blocks smaller than the default 256 MiB fills within the first levels, so the resident
# figures from level 5 on measure the game rather than the sanitizer's store.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:exitcode=86:quarantine_size_mb=64
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tools/soak/lsan.supp:print_suppressions=1
nice -n 10 "$root/tools/soak/run_soak.sh" "$build/tv_soak" --levels "$levels" "$@"
