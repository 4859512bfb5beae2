#!/usr/bin/env bash
# The board in a real window: it shows, and a mouse drag makes a move on it. The
# gems are read off a screenshot to pick a move that makes a line; a move that
# stands changes several cells of the settled board.
source "$(dirname "$0")/lib.sh"

shots=${TV_BOARD_SHOTS:-$TV_HOME/shots}
mkdir -p "$shots"

# The first classic level's size decides where the board sits.
level="$(dirname "$TV_BIN")/data/levels/1.txt"
size=$(awk -F, 'NR==1 && toupper(substr($1,1,3))=="REM" {next} {n++} n==3 {print $1" "$2; exit}' "$level" | tr -d '\r')
read -r cols rows <<<"$size"
sx=$(( (800 - cols * 50) / 2 + 60 ))
sy=$(( (600 - rows * 50) / 2 ))

tv_start --windowed
win=$(tv_wait_window "$TV_PID") || fail "no window appeared"
tv_to_board "$win" || fail "never reached the board"
sleep 1
kill -0 "$TV_PID" || fail "the game ended by itself"

shot() { import -window "$win" -depth 8 "ppm:$1"; }
# Number of board cells whose pixels differ noticeably between two shots.
changed_cells() {
  PYTHONPATH="$TV_E2E" python3 - "$1" "$2" "$sx" "$sy" "$cols" "$rows" <<'PY'
import sys
from ppm import load
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
# Reads the gems off the screen (each kind has its own colour in the middle of its
# cell) and prints one move that makes a line: "x y dx dy".
find_move() {
  PYTHONPATH="$TV_E2E" python3 - "$1" "$gems_ref" "$sx" "$sy" "$cols" "$rows" <<'PY'
import sys
from ppm import load
def mean(w, px, x0, y0):
    s = [0, 0, 0]
    for y in range(y0 + 15, y0 + 35):
        for x in range(x0 + 15, x0 + 35):
            i = (y * w + x) * 3
            for k in range(3): s[k] += px[i + k]
    return [v / 400 for v in s]
rw, ref = load(sys.argv[2])
refs = [mean(rw, ref, g * 50, 0) for g in range(7)]
w, shot = load(sys.argv[1])
sx, sy, cols, rows = map(int, sys.argv[3:])
kind = {}
for cy in range(rows):
    for cx in range(cols):
        m = mean(w, shot, sx + cx * 50, sy + cy * 50)
        d, g = min((sum((a - b) ** 2 for a, b in zip(m, r)) ** 0.5, g) for g, r in enumerate(refs))
        if d < 45: kind[(cx, cy)] = g
def line_at(k, x, y):
    t = k.get((x, y))
    if t is None: return False
    for dx, dy in ((1, 0), (0, 1)):
        run = 1
        for s in (1, -1):
            i = 1
            while k.get((x + s * dx * i, y + s * dy * i)) == t: run += 1; i += 1
        if run >= 3: return True
    return False
for (x, y), t in sorted(kind.items(), key=lambda c: (c[0][1], c[0][0])):
    for dx, dy in ((1, 0), (0, 1)):
        o = (x + dx, y + dy)
        if o not in kind or kind[o] == t: continue
        k = dict(kind); k[(x, y)], k[o] = kind[o], t
        if line_at(k, x, y) or line_at(k, *o):
            print(x, y, dx, dy); sys.exit(0)
PY
}
gems_ref="$TV_HOME/gems.ppm"
convert "$(dirname "$TV_BIN")/Data/graphics/gems.png" -background black -flatten -depth 8 "ppm:$gems_ref"

moved=0
for attempt in 1 2 3 4; do
  shot "$shots/before.ppm"
  move=$(find_move "$shots/before.ppm")
  [ -n "$move" ] || { sleep 1; continue; }
  read -r x y dx dy <<<"$move"
  px=$((sx + x * 50 + 25)); py=$((sy + y * 50 + 25))
  xdotool mousemove --window "$win" $px $py; sleep 0.15
  xdotool mousedown 1; sleep 0.15
  xdotool mousemove --window "$win" $((px + dx * 20)) $((py + dy * 20)); sleep 0.1
  xdotool mousemove --window "$win" $((px + dx * 45)) $((py + dy * 45)); sleep 0.15
  xdotool mouseup 1; sleep 0.1
  park
  sleep 1.6
  shot "$shots/after.ppm"
  n=$(changed_cells "$shots/before.ppm" "$shots/after.ppm")
  if [ "$n" -ge 3 ]; then
    moved=1
    echo "drag ($x,$y) by ($dx,$dy) changed $n cells"
    break
  fi
done
[ $moved = 1 ] || fail "no drag of a move read off the screen made a line"
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
