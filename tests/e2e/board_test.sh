#!/usr/bin/env bash
# The board in a real window: it shows, and mouse drags make moves on it. Each
# horizontal neighbour pair is dragged in turn until one makes a line; a move
# that stands changes several cells of the settled board, a refused one none.
source "$(dirname "$0")/lib.sh"

shots=${TV_BOARD_SHOTS:-$TV_HOME/shots}
mkdir -p "$shots"

# The level's size decides where the board sits; without a level file the
# program plays its built-in 8 x 8 level.
level="$(dirname "$TV_BIN")/data/levels/1.txt"
cols=8 rows=8
if [ -f "$level" ]; then
  size=$(awk -F, 'NR==1 && toupper(substr($1,1,3))=="REM" {skip=1; next} {n++} n==3 {print $1" "$2; exit}' "$level" | tr -d '\r')
  read -r cols rows <<<"$size"
fi
sx=$(( (800 - cols * 50) / 2 + 60 ))
sy=$(( (600 - rows * 50) / 2 ))

tv_start
win=$(tv_wait_window "$TV_PID") || fail "no window appeared"
sleep 3
kill -0 "$TV_PID" || fail "the game ended by itself"

shot() { import -window "$win" "ppm:$1"; }
# Number of board cells whose pixels differ noticeably between two shots.
changed_cells() {
  python3 - "$1" "$2" "$sx" "$sy" "$cols" "$rows" <<'PY'
import sys
def load(path):
    data = open(path, 'rb').read()
    parts, pos = [], 0
    while len(parts) < 4:
        while data[pos:pos+1].isspace(): pos += 1
        if data[pos:pos+1] == b'#':
            pos = data.index(b'\n', pos)
            continue
        end = pos
        while not data[end:end+1].isspace(): end += 1
        parts.append(data[pos:end]); pos = end
    return int(parts[1]), data[pos+1:]
w, a = load(sys.argv[1]); _, b = load(sys.argv[2])
sx, sy, cols, rows = map(int, sys.argv[3:])
n = 0
for cy in range(rows):
    for cx in range(cols):
        total = 0
        # The middle of the cell: the gem, not the glows around it.
        for y in range(sy + cy*50 + 15, sy + cy*50 + 35):
            row = (y * w) * 3
            for x in range(sx + cx*50 + 15, sx + cx*50 + 35):
                i = row + x * 3
                total += abs(a[i] - b[i]) + abs(a[i+1] - b[i+1]) + abs(a[i+2] - b[i+2])
        if total / 400 > 60: n += 1
print(n)
PY
}

# The pointer parks off the board with a click there (a press carries its
# position even where plain warps of the pointer are not reported).
park() { xdotool mousemove --window "$win" 5 5; sleep 0.1; xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; }
park
sleep 1
shot "$shots/start.ppm"
moved=0
tries=0
for ((y = 0; y < rows && !moved; y++)); do
  for ((x = 0; x < cols - 1 && !moved; x++)); do
    tries=$((tries + 1))
    [ $tries -gt 40 ] && break 2
    shot "$shots/before.ppm"
    px=$((sx + x * 50 + 25)); py=$((sy + y * 50 + 25))
    xdotool mousemove --window "$win" $px $py; sleep 0.15
    xdotool mousedown 1; sleep 0.15
    xdotool mousemove --window "$win" $((px + 20)) $((py + 3)); sleep 0.1
    xdotool mousemove --window "$win" $((px + 45)) $((py + 5)); sleep 0.15
    xdotool mouseup 1; sleep 0.1
    park
    sleep 1.6
    shot "$shots/after.ppm"
    n=$(changed_cells "$shots/before.ppm" "$shots/after.ppm")
    if [ "$n" -ge 3 ]; then
      moved=1
      echo "drag ($x,$y) -> ($((x + 1)),$y) changed $n cells"
    fi
  done
done
[ $moved = 1 ] || fail "no drag made a move in $tries tries"
kill -0 "$TV_PID" || fail "the game ended after the move"

# A click on a gem selects it (the cursor shows), a click on it again cancels.
px=$((sx + 25)); py=$((sy + 25))
xdotool mousemove --window "$win" $px $py; sleep 0.2
xdotool mousedown 1; sleep 0.15; xdotool mouseup 1; sleep 0.3
shot "$shots/selected.ppm"
xdotool mousedown 1; sleep 0.15; xdotool mouseup 1; sleep 0.3
kill -0 "$TV_PID" || fail "the game ended after clicks"
for f in start before after selected; do convert "$shots/$f.ppm" "$shots/$f.png"; done

kill -TERM "$TV_PID"
tv_wait_exit "$TV_PID" 100
[ "$TV_RC" = 0 ] || fail "SIGTERM: exit '$TV_RC'"
echo "board ok"
