#!/usr/bin/env bash
# Runs the soak player (its path first, then its options) as a player's copy of the
# game would run: in a home and data folder of its own that go afterwards, in a network
# namespace of its own where the machine allows (so a game running elsewhere does not
# hold the one-copy lock), with software GL and no sound card. Needs DISPLAY.
# The run passes only when the program both says so and ends with 0.
set -uo pipefail
bin=${1:?the soak program}
shift
[ -n "${DISPLAY:-}" ] || { echo "run_soak: an X server is needed (DISPLAY)" >&2; exit 1; }

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_DATA_HOME=$home/share LIBGL_ALWAYS_SOFTWARE=1 ALSOFT_DRIVERS=null
shared="$XDG_DATA_HOME/Quillmoth/Tinselvale GOLD"
mkdir -p "$shared"
# A clean last exit, so the first start does not take the empty folder for a crash.
: >"$shared/GoodExit.dat"

isolate=()
if unshare -rn true 2>/dev/null; then isolate=(unshare -rn); fi

"${isolate[@]}" "$bin" "$@" 2>&1 | tee "$home/soak.log"
rc=${PIPESTATUS[0]}
if ! grep -q '^soak: PASSED$' "$home/soak.log"; then
  echo "run_soak: no passing verdict (exit code $rc)" >&2
  [ "$rc" -eq 0 ] && rc=1
fi
exit "$rc"
