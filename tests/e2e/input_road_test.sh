#!/usr/bin/env bash
# The whole road without a mouse, once with the keyboard alone (xdotool keys) and once
# with a game controller alone (the program's test pad: a virtual controller driven
# through a named pipe): the name prompt (typed, or on the letter row), the map, the
# instructions, the first level's page, a move made with the board's cell cursor, a
# hint, pausing, the in-game menu, the options with the music slider moved, Save &
# Exit, the gallery, and Escape to the end (with the pad: pulled out, which pauses,
# and the end asked for). No mouse event is sent.
source "$(dirname "$0")/lib.sh"

SHARED="$XDG_DATA_HOME/Quillmoth/Tinselvale GOLD"
level="$(dirname "$TV_BIN")/data/levels/1.txt"
tv_board_geometry
shots=$TV_HOME/shots
mkdir -p "$shots"
shot() { import -window "$win" -depth 8 "ppm:$1"; }

# One press each of: up down left right ok back menu hint pause, and stickleft (the
# left stick pushed left and let go; the Left key on the keyboard).
press() {
  local what key button
  for what in "$@"; do
    if [ "$hands" = keys ]; then
      case $what in
        up) key=Up ;; down) key=Down ;; left | stickleft) key=Left ;; right) key=Right ;;
        ok) key=Return ;; back | menu) key=Escape ;; hint) key=h ;; pause) key=p ;;
      esac
      xdotool key --window "$win" "$key"
    else
      case $what in
        up) button=dpup ;; down) button=dpdown ;; left) button=dpleft ;; right) button=dpright ;;
        ok) button=a ;; back) button=b ;; menu) button=start ;; hint) button=y ;; pause) button=back ;;
      esac
      if [ "$what" = stickleft ]; then
        echo "leftx -30000" >&3
        sleep 0.1
        echo "leftx -2000" >&3
      else
        echo "$button 1" >&3
        sleep 0.1
        echo "$button 0" >&3
      fi
    fi
    sleep 0.3
  done
}

# Presses (a press that only goes on: ok or back) until the game changes to the named
# screen, then waits for it to fade in; going anywhere else fails.
go() {
  local target=$1 before now
  shift
  for _ in 1 2 3 4 5; do
    before=$(tv_screens | wc -l)
    press "$@"
    for _ in $(seq 80); do
      if [ "$(tv_screens | wc -l)" -gt "$before" ]; then
        now=$(tv_screens | tail -n 1)
        [ "$now" = "$target" ] || fail "$hands: $* went to the $now screen, not $target"
        tv_wait_ready "$win" || fail "$hands: the $target screen never showed"
        sleep 0.8
        return 0
      fi
      kill -0 "$TV_PID" 2>/dev/null || fail "$hands: the game ended"
      sleep 0.1
    done
  done
  fail "$hands: no change to the $target screen after $*"
}

# The presses that walk the board's cursor from (x0, y0) to (x1, y1) over the first
# level's cells, jumping holes as the cursor does; x0 -1: the cursor not shown yet.
cursor_path() {
  python3 - "$level" "$@" <<'PY'
import sys
rows = [l.strip() for l in open(sys.argv[1]) if l.strip()]
if rows[0].upper().startswith("REM"): rows = rows[1:]
w, h = map(int, rows[2].split(","))
grid = [[int(v) != 0 for v in r.split(",")] for r in rows[4:4 + h]]
ok = lambda x, y: 0 <= x < w and 0 <= y < h and grid[y][x]
x0, y0, x1, y1 = map(int, sys.argv[2:])
out = []
if x0 < 0:
    # The first press shows the cursor on the cell nearest the board's middle.
    best = None
    for x in range(w):
        for y in range(h):
            d = (x - w // 2) ** 2 + (y - h // 2) ** 2
            if ok(x, y) and (best is None or d < best[0]): best = (d, x, y)
    _, x0, y0 = best
    out.append("right")
def step(x, y, dx, dy):
    nx, ny = x + dx, y + dy
    while 0 <= nx < w and 0 <= ny < h:
        if grid[ny][nx]: return nx, ny
        nx, ny = nx + dx, ny + dy
    return x, y
ways = {"up": (0, -1), "down": (0, 1), "left": (-1, 0), "right": (1, 0)}
prev = {(x0, y0): None}
queue = [(x0, y0)]
for c in queue:
    for name, (dx, dy) in ways.items():
        n = step(*c, dx, dy)
        if n not in prev: prev[n] = (c, name); queue.append(n)
path, c = [], (x1, y1)
while prev.get(c):
    c, name = prev[c]
    path.append(name)
print(" ".join(out + path[::-1]))
PY
}

# Walks the cursor to (x, y), picks the gem and pushes it right (dx 1) or down.
cursor_move() {
  # shellcheck disable=SC2046
  press $(cursor_path "$cx" "$cy" "$1" "$2")
  cx=$1 cy=$2
  if [ "$4" = 1 ]; then press ok down; else press ok right; fi
}

road() {
  hands=$1
  rm -rf "$XDG_DATA_HOME"
  if [ "$hands" = pad ]; then
    rm -f "$TV_HOME/pad"
    mkfifo -m 600 "$TV_HOME/pad"
    exec 3<>"$TV_HOME/pad"
    TV_TEST_PAD="$TV_HOME/pad" tv_start --windowed
  else
    tv_start --windowed
  fi
  win=$(tv_wait_window "$TV_PID") || fail "$hands: no window"
  tv_wait_loaded "$win" || fail "$hands: loading never finished"
  go title ok

  # The first start asks for a name.
  if [ "$hands" = keys ]; then
    tv_wait_ready "$win"
    xdotool type --window "$win" --delay 60 "robin"
    press ok
  else
    sleep 1
    press down  # the focus lands on the row's first letter
    local at=0 letters=abcdefghijklmnopqrstuvwxyz c i
    for c in r o b i n; do
      i=${letters%%"$c"*}
      i=${#i}
      for _ in $(seq $(((i - at + 28) % 28))); do press down; done
      press ok
      at=$i
    done
    for _ in $(seq $(((27 - at + 28) % 28))); do press down; done
    press ok
  fi
  for _ in $(seq 50); do [ -e "$SHARED/profiles/Robin.dat" ] && break; sleep 0.2; done
  [ -e "$SHARED/profiles/Robin.dat" ] || fail "$hands: the name prompt made no Robin.dat: $(ls "$SHARED/profiles" 2>&1)"
  sleep 0.5

  go levelselect ok
  go instructions ok
  go game back
  # The first level's page unrolls, and the press closes it.
  sleep 3
  press ok
  sleep 2

  cx=-1 cy=-1
  tv_make_move cursor_move "$shots" || fail "$hands: no move made with the cursor made a line"
  press hint
  sleep 1
  # Pausing dims the board; the pad's Back button pauses as P does.
  local lit
  lit=$(tv_brightness "$win")
  press pause
  sleep 0.5
  [ "$(tv_brightness "$win")" -lt $((lit * 3 / 4)) ] || fail "$hands: the pause key did not pause"
  press pause
  sleep 0.5
  [ "$(tv_brightness "$win")" -gt $((lit * 3 / 4)) ] || fail "$hands: the pause key did not resume"

  press menu
  sleep 1.5
  press down down  # resume, then options
  go options ok
  press down left stickleft  # the music slider, down by 10
  press up              # round to OK
  go game ok
  sleep 1
  press down down  # the focus is still on Options: on to help, then Save & Exit
  go title ok
  press down right  # Change Player, then Gallery
  go gallery ok
  go title back
  if [ "$hands" = pad ]; then
    # A pad pulled out pauses the game as losing the window's focus does; the request
    # to end is still heard.
    lit=$(tv_brightness "$win")
    echo unplug >&3
    sleep 0.8
    [ "$(tv_brightness "$win")" -lt $((lit * 3 / 4)) ] || fail "pad: pulling the pad out did not pause"
    kill -TERM "$TV_PID"
  else
    press back
  fi
  tv_wait_exit "$TV_PID" 100
  [ "$TV_RC" = 0 ] || fail "$hands: the end exited with '$TV_RC'"
  grep -aq "MUSIC VOLUME=90" "$SHARED"/*.ini || fail "$hands: the music slider's move is not in the settings: $(grep -a "MUSIC VOLUME" "$SHARED"/*.ini)"
  [ "$hands" = pad ] && exec 3>&-
  echo "$hands: the whole road without a mouse"
}

road keys
road pad
