#!/usr/bin/env bash
# The game screen in a real window on a level that can never hold a move: the tutorial
# page rolls away at a click, then "No More Moves" shows and the board bursts while the
# level's music plays (recorded through OpenAL Soft's wave back end); as no fill of this
# board can ever hold a move, the player is then taken back to the level map instead of
# meeting the same sequence for ever; closing the window still ends the program cleanly.
source "$(dirname "$0")/lib.sh"

# A copy of the program whose first level is a 2 x 2 square of bricks.
prog="$TV_HOME/prog"
mkdir -p "$prog"
cp "$TV_BIN" "$prog/"
ln -s "$(dirname "$TV_BIN")/Data" "$prog/Data"
cp -r "$(dirname "$TV_BIN")/data" "$prog/data"
printf 'REM,Stuck\r\n0\r\n0\r\n2,2\r\n0,0\r\n1,1\r\n1,1\r\n' >"$prog/data/levels/1.txt"
TV_BIN="$prog/$(basename "$TV_BIN")"

SHARED="$XDG_DATA_HOME/Quillmoth/Tinselvale GOLD"
mkdir -p "$SHARED"
: >"$SHARED/GoodExit.dat"
# Effects off: whatever the wave file holds is music.
printf 'PROFILE NAME=Eve\r\nDRIVER=1\r\nFULL SCREEN=0\r\nSOUND=0\r\nMUSIC=1\r\nMUSIC VOLUME=100\r\n' >"$SHARED/tinselvale.ini"
printf 'drivers=wave\n[wave]\nfile=%s\n' "$TV_HOME/heard.wav" >"$TV_HOME/alsoft.conf"
export ALSOFT_CONF="$TV_HOME/alsoft.conf" ALSOFT_DRIVERS=wave

tv_start
win=$(tv_wait_window "$TV_PID") || fail "no window"
tv_to_board "$win" || fail "the game never reached the board"

# Red letters in the middle of the screen: the "No More Moves" text.
red_text() {
  PYTHONPATH="$TV_E2E" python3 - "$1" <<'PY'
import sys
from ppm import load
w, px = load(sys.argv[1])
n = 0
for y in range(200, 280):
    for x in range(150, 650):
        i = (y * w + x) * 3
        if px[i] > 190 and px[i+1] < 110 and px[i+2] < 110: n += 1
print(n)
PY
}
# A click on this board does nothing but close the tutorial page; the board stands
# still under the page, and once it is gone the sequence shows the text for its first
# second, then the game leaves for the map.
seen=0
deadline=$((SECONDS + 90))
while [ $SECONDS -lt $deadline ]; do
  [ "$(tv_screens | tail -n 1)" = levelselect ] && break
  if import -window "$win" -depth 8 "ppm:$TV_HOME/shot.ppm" 2>/dev/null; then
    [ "$(red_text "$TV_HOME/shot.ppm")" -gt 300 ] && seen=1
  fi
  [ $seen = 0 ] && xdotool mousemove --window "$win" 700 100 click 1
  sleep 0.2
done
kill -0 "$TV_PID" || fail "the game ended by itself"
[ $seen = 1 ] || fail "the no-moves sequence was never seen"
[ "$(tv_screens | tail -n 1)" = levelselect ] || fail "the game did not go back to the level map: $(tv_screens | tr '\n' ' ')"
grep -q "data/levels/1.txt: no fill of this board ever holds a move; back to the level map" "$TV_HOME/stdout.$$" ||
  fail "no log line names the level that can never hold a move"

"$TV_WM_CLOSE" "$win"
tv_wait_exit "$TV_PID" 100
[ "$TV_RC" = 0 ] || fail "window close: exit '$TV_RC'"
[ -s "$SHARED/profiles/Eve.dat" ] || fail "the player was not saved"

# The music: a loud enough signal in the recording.
python3 - "$TV_HOME/heard.wav" <<'PY' || fail "no music was heard"
import struct, sys, math
data = open(sys.argv[1], 'rb').read()
pos, fmt, samples = 12, None, b''
while pos + 8 <= len(data):
    tag, size = data[pos:pos+4], struct.unpack('<I', data[pos+4:pos+8])[0]
    if tag == b'fmt ': fmt = struct.unpack('<HHIIHH', data[pos+8:pos+24])
    if tag == b'data': samples = data[pos+8:]; break
    pos += 8 + size + (size & 1)
bits = fmt[5]
if bits == 16:
    values = [v / 32768 for v in struct.unpack('<%dh' % (len(samples) // 2), samples[:len(samples) // 2 * 2])]
elif bits == 32:
    values = list(struct.unpack('<%df' % (len(samples) // 4), samples[:len(samples) // 4 * 4]))
else:
    values = [(b - 128) / 128 for b in samples]
rms = math.sqrt(sum(v * v for v in values) / max(1, len(values)))
print('music rms', round(rms, 3))
sys.exit(0 if rms > 0.02 else 1)
PY
echo "game screen ok"
