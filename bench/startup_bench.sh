#!/usr/bin/env bash
# Start-up figures of the real program: time from exec to the first presented frame
# and the length of the loading pass, with the loading table decoded ahead on helper
# threads and with everything on the main thread (--serial-load), each started RUNS
# times (default 5) in a fresh home. Prints every run and the medians.
#   bench/startup_bench.sh [build-folder] [runs]
# Uses $DISPLAY when set, otherwise an X server of its own (Xvfb).
set -euo pipefail
build=${1:-build}
runs=${2:-5}
bin="$build/tinselvale"
[ -x "$bin" ] || { echo "no program at $bin" >&2; exit 1; }

work=$(mktemp -d)
. "$(dirname "$0")/../scripts/xserver.sh"
cleanup() { tv_xserver_stop; rm -rf "$work"; }
trap cleanup EXIT
tv_xserver_needed
export LIBGL_ALWAYS_SOFTWARE=${LIBGL_ALWAYS_SOFTWARE:-1} ALSOFT_DRIVERS=null
isolate=()
if unshare -rn true 2>/dev/null; then isolate=(unshare -rn); fi

# One run: prints "first-frame-ms loading-ms".
run_once() {
  local home="$work/home" shared out pid
  rm -rf "$home"
  shared="$home/share/Quillmoth/Tinselvale GOLD"
  mkdir -p "$shared"
  # No logo splash and a clean last exit: the run goes straight to loading.
  printf 'FULL SCREEN=0\r\nDRIVER=1\r\nFADE=0\r\n' >"$shared/tinselvale.ini"
  : >"$shared/GoodExit.dat"
  out="$work/out"
  HOME=$home XDG_DATA_HOME=$home/share "${isolate[@]}" "$bin" --timing "$@" >"$out" 2>/dev/null &
  pid=$!
  for _ in $(seq 600); do grep -q "loading pass" "$out" && break; sleep 0.05; done
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  awk -F': ' '/^exec to first frame/ {f=$2+0} /^loading pass/ {l=$2+0} END {print f, l}' "$out"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

for mode in parallel serial; do
  args=()
  [ $mode = serial ] && args=(--serial-load)
  : >"$work/$mode"
  for i in $(seq "$runs"); do
    read -r first loading <<<"$(run_once "${args[@]}")"
    echo "$mode run $i: exec to first frame $first ms, loading pass $loading ms"
    echo "$first $loading" >>"$work/$mode"
  done
done
for mode in parallel serial; do
  echo "$mode median: exec to first frame $(cut -d' ' -f1 "$work/$mode" | median) ms," \
    "loading pass $(cut -d' ' -f2 "$work/$mode" | median) ms"
done
