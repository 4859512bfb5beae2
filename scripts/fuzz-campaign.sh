#!/usr/bin/env bash
# Runs every fuzz target (or the ones named) for a number of inputs each, one after
# another, on a throw-away copy of its seeds, and prints a line per target.
#   scripts/fuzz-campaign.sh [-n RUNS] [-t SECONDS] [-j JOBS] [target ...]
# -t caps the time per target, so a slow reader cannot hold up the rest; the line it
# prints then shows how far it got.
# Exits non-zero when any target crashed or failed to run; crash inputs are kept in
# build-fuzz/crashes/<target>/.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${TV_FUZZ_BUILD:-$root/build-fuzz}
runs=1000000
jobs=2
seconds_cap=0
while getopts "n:t:j:" opt; do
  case $opt in
    n) runs=$OPTARG ;;
    t) seconds_cap=$OPTARG ;;
    j) jobs=$OPTARG ;;
    *) echo "usage: $0 [-n RUNS] [-t SECONDS] [-j JOBS] [target ...]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))

# Longest input per target: big enough for a small valid file of the format plus room
# to grow, small enough that each run stays quick.
max_len_for() {
  case $1 in
    bmp_fuzz | tga_fuzz | png_fuzz | jpeg_fuzz) echo 8192 ;;
    wav_fuzz | ogg_fuzz) echo 16384 ;;
    level_fuzz | levelread_fuzz | fnt_fuzz | gametext_fuzz) echo 4096 ;;
    *) echo 2048 ;;
  esac
}

if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for f in "$root"/fuzz/*_fuzz.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

launcher=()
if command -v ccache > /dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
mkdir -p "$build"
nice -n 19 cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTV_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DTV_TESTS=OFF -DTV_BENCH=OFF \
  "${launcher[@]}" > "$build/configure.log" 2>&1 || { cat "$build/configure.log"; exit 1; }
nice -n 19 cmake --build "$build" -j"$jobs" --target "${targets[@]}"

work=$(mktemp -d "${TMPDIR:-/tmp}/tv-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT

status=0
printf '%-16s %10s %8s  %s\n' target runs seconds result
for t in "${targets[@]}"; do
  corpus=$work/$t/corpus
  artifacts=$build/crashes/$t
  mkdir -p "$corpus" "$artifacts"
  [ -d "$root/fuzz/seeds/$t" ] && cp -r "$root/fuzz/seeds/$t/." "$corpus/"
  log=$build/logs/$t.log
  mkdir -p "$(dirname "$log")"
  stamp=$work/$t/started
  touch "$stamp"
  start=$(date +%s)
  set +e
  (cd "$work/$t" && nice -n 19 "$build/fuzz/$t" -runs="$runs" -max_len="$(max_len_for "$t")" \
    -max_total_time="$seconds_cap" -rss_limit_mb=2048 -timeout=30 -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus") \
    > "$log" 2>&1
  rc=$?
  set -e
  seconds=$(($(date +%s) - start))
  done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  if [ $rc -eq 0 ] && [ "${done_runs:-0}" -lt "$runs" ]; then
    result="ok, stopped by the time cap"
  elif [ $rc -eq 0 ]; then
    result=ok
  elif found=$(find "$artifacts" -type f -newer "$stamp" | head -n 1) && [ -n "$found" ]; then
    result="CRASH ($found, log $log)"
    status=1
  else
    result="FAILED exit $rc (log $log)"
    status=1
  fi
  printf '%-16s %10s %8s  %s\n' "$t" "${done_runs:-?}" "$seconds" "$result"
done
exit $status
