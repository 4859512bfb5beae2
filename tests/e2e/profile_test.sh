#!/usr/bin/env bash
# The player's file and the high-score table in the real program: the player named by
# the settings is read at start (damaged numbers made safe), saved when the window is
# closed during play; a damaged high-score file neither stops the start nor is replaced,
# and a missing one is made.
source "$(dirname "$0")/lib.sh"

SHARED="$XDG_DATA_HOME/Quillmoth/Tinselvale GOLD"
mkdir -p "$SHARED/profiles"
# A clean previous exit, so no crash message waits at start.
: >"$SHARED/GoodExit.dat"
printf 'PROFILE NAME=Ann\r\nDRIVER=1\r\nFULL SCREEN=0\r\n' >"$SHARED/tinselvale.ini"

le32() {
  local v=$(($1 & 0xFFFFFFFF))
  # shellcheck disable=SC2059
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $((v >> 8 & 255)) $((v >> 16 & 255)) $((v >> 24 & 255)))"
}
# A played profile: the gold pack at level 7 of 9 unlocked, a spare slot with odd values,
# and a classic-pack level of 0 that a damaged file could hold. The second argument is
# the one tutorial page shown besides record 19 (-1 for none).
profile() {
  local classic_level=$1 page=$2 key=3961253 step=1789447 i w=0
  for w in 1 2 0 3 0; do le32 $((w + key)); key=$((key + step)); done
  le32 0; le32 0; le32 0; le32 1; le32 1
  for i in $(seq 0 99); do if [ "$i" = 19 ] || [ "$i" = "$page" ]; then le32 1; else le32 0; fi; done
  le32 1
  le32 "$classic_level"; le32 1
  le32 7; le32 9
  for i in $(seq 2 9); do if [ "$i" = 5 ]; then le32 4242; le32 -1; else le32 1; le32 1; fi; done
}
profile 0 -1 >"$SHARED/profiles/Ann.dat"
# Level 7 of the gold pack opens with its tutorial page, recorded at once.
profile 1 6 >"$TV_HOME/expected.dat"
[ "$(stat -c %s "$SHARED/profiles/Ann.dat")" = 524 ] || fail "seed profile is not 524 bytes"
printf 'junk!' >"$SHARED/tv.dat"

tv_start
win=$(tv_wait_window "$TV_PID") || fail "no window"
tv_to_board "$win" || fail "never reached the board"
# The board with its tutorial page open: the page's parchment in the middle beside the
# level's dark blue panel. Ending sooner, on a loaded machine, could save the player
# before the page was ever recorded.
page_open() {
  import -window "$win" -depth 8 "ppm:$TV_HOME/now.ppm" 2>/dev/null || return 1
  PYTHONPATH="$TV_E2E" python3 - "$TV_HOME/now.ppm" <<'PY'
import sys
from ppm import mean
r, g, b = mean(sys.argv[1], 230, 445, 570, 490)
pr, pg, pb = mean(sys.argv[1], 0, 300, 140, 340)
sys.exit(0 if r > 120 and r > g > b and r - b > 40 and pr < 100 and pb > pr + 20 else 1)
PY
}
opened=0
for _ in $(seq 60); do page_open && { opened=1; break; }; sleep 0.3; done
[ $opened = 1 ] || fail "the level's tutorial page never opened on the board"
kill -TERM "$TV_PID"
tv_wait_exit "$TV_PID"
[ "$TV_RC" = 0 ] || fail "exit '$TV_RC'"
cmp "$SHARED/profiles/Ann.dat" "$TV_HOME/expected.dat" || fail "the player was not saved as loaded, made safe"
[ ! -e "$SHARED/profiles/Ann.dat.tmp" ] || fail "a temporary file was left"
[ "$(cat "$SHARED/tv.dat")" = 'junk!' ] || fail "a damaged high-score file was replaced"
[ ! -e "$SHARED/ErrorLog.txt" ] || fail "something was logged: $(cat "$SHARED/ErrorLog.txt")"

rm "$SHARED/tv.dat"
tv_start
win=$(tv_wait_window "$TV_PID") || fail "no window on the second start"
# The table is made by the loading pass.
tv_wait_loaded "$win" || fail "the second start never finished loading"
kill -TERM "$TV_PID"
tv_wait_exit "$TV_PID"
[ "$TV_RC" = 0 ] || fail "second exit '$TV_RC'"
[ -s "$SHARED/tv.dat" ] || fail "no high-score table made"
cmp "$SHARED/profiles/Ann.dat" "$TV_HOME/expected.dat" || fail "progress changed across a restart"
echo "profile test passed"
