# Shared helpers for the end-to-end tests: each test runs the real program with a
# home folder of its own, under the X server named by DISPLAY.
set -euo pipefail

: "${TV_BIN:?TV_BIN must name the built program}"
: "${DISPLAY:?an X server is needed}"

# This folder: its ppm.py reads screenshots for the checks written in Python.
TV_E2E=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export PYTHONDONTWRITEBYTECODE=1
TV_HOME=$(mktemp -d)
export HOME=$TV_HOME
export XDG_DATA_HOME=$TV_HOME/share
export LIBGL_ALWAYS_SOFTWARE=1
# No sound card on test machines; make sure nothing waits for one.
export ALSOFT_DRIVERS=null
TV_PIDS=()

. "$TV_E2E/../../scripts/xserver.sh"

tv_cleanup() {
  for p in "${TV_PIDS[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  # Let the lock go with them before the next test starts the game.
  for p in "${TV_PIDS[@]}"; do wait "$p" 2>/dev/null || true; done
  rm -rf "$TV_HOME"
}
trap tv_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs a command that installs from the build folder (cmake --install, cpack): it records
# what it copied in the build folder's install_manifest.txt, and the tests leave that
# folder as they found it.
tv_keep_manifest() {
  local manifest="$TV_BUILD_DIR/install_manifest.txt" rc=0
  if [ -e "$manifest" ]; then cp "$manifest" "$TV_HOME/manifest.kept"; fi
  "$@" || rc=$?
  if [ -e "$TV_HOME/manifest.kept" ]; then cp "$TV_HOME/manifest.kept" "$manifest"; else rm -f "$manifest"; fi
  return $rc
}

# The game keeps one copy per machine through an abstract socket, which belongs to
# a network namespace: where the machine lets us, each copy gets a namespace of its
# own, so a game the developer is playing does not make the tests' copies quit.
TV_ISOLATE=()
if unshare -rn true 2>/dev/null; then TV_ISOLATE=(unshare -rn); fi

# Runs the program in the namespace of the running copy $1 (to meet its lock).
tv_beside() {
  local pid=$1; shift
  if [ ${#TV_ISOLATE[@]} -gt 0 ]; then
    nsenter -t "$pid" -U -n --preserve-credentials "$TV_BIN" "$@"
  else
    "$TV_BIN" "$@"
  fi
}

# Starts the game in the background; sets TV_PID. It reports its start-up figures on
# standard output, which tells the tests when loading has finished.
tv_start() {
  local tries=0 rc
  while :; do
    "${TV_ISOLATE[@]}" "$TV_BIN" --timing "$@" >"$TV_HOME/stdout.$$" 2>"$TV_HOME/stderr.$$" &
    TV_PID=$!
    TV_PIDS+=("$TV_PID")
    # A copy that ends at once met a lock still being let go of, or a namespace that
    # could not be made for a moment: it is started again (a few times, said aloud),
    # and a copy that keeps ending is left to the test's own checks.
    sleep 0.3
    kill -0 "$TV_PID" 2>/dev/null && return 0
    tries=$((tries + 1))
    [ $tries -ge 5 ] && return 0
    wait "$TV_PID" 2>/dev/null && rc=0 || rc=$?
    echo "the game ended at once with $rc (try $tries): $(tail -n 2 "$TV_HOME/stderr.$$" 2>/dev/null)" >&2
  done
}

# Runs a check every interval seconds until it succeeds, for up to the given seconds
# while process pid lives; says why when it gives up ("process <pid> ended <ended>",
# or the gave-up text). The check's output is passed on.
tv_poll() {
  local pid=$1 deadline=$((SECONDS + $2)) interval=$3 ended=$4 gaveup=$5
  shift 5
  while [ $SECONDS -lt $deadline ]; do
    "$@" && return 0
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "process $pid ended $ended" >&2
      return 1
    fi
    sleep "$interval"
  done
  echo "$gaveup" >&2
  return 1
}

tv_visible_window() {
  local id
  id=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n1 || true)
  [ -n "$id" ] && echo "$id"
}

# Waits (up to 60 s: software GL on a busy machine starts slowly) until a window of
# the game's process is mapped; prints its id. Says why when it gives up.
tv_wait_window() {
  tv_poll "$1" "${2:-60}" 0.2 "before showing a window" "process $1 still running without a visible window" \
    tv_visible_window "$1"
}

# Waits for a child process to end; sets TV_RC to its exit code, or "timeout".
# (Not usable in $(...): only this shell can wait for its own children.)
tv_wait_exit() {
  local pid=$1 tries=${2:-100}
  TV_RC=timeout
  for _ in $(seq "$tries"); do
    if ! kill -0 "$pid" 2>/dev/null || [ "$(ps -o stat= -p "$pid" 2>/dev/null | cut -c1)" = Z ]; then
      TV_RC=0
      wait "$pid" || TV_RC=$?
      return 0
    fi
    sleep 0.1
  done
}

# Dismisses the system message box the program shows before its window exists (the
# box is titled like the game but, unlike the game window, carries no process id).
tv_dismiss_box() {
  local box seen=0
  for _ in $(seq 150); do
    box=$(xwininfo -root -children 2>/dev/null | awk '/"Tinselvale GOLD/ {print $1; exit}')
    if [ -n "$box" ] && [ -z "$(xdotool search --onlyvisible --pid "$TV_PID" 2>/dev/null)" ]; then
      # A key sent before the box is ready is lost: press again until it has gone.
      seen=1
      xdotool windowfocus "$box" 2>/dev/null || true
      xdotool key Return
    elif [ $seen = 1 ]; then
      return 0
    fi
    sleep 0.2
  done
  [ $seen = 1 ]
}

# Mean brightness (0-65535) of a window's picture; empty when it cannot be read.
tv_brightness() {
  import -window "$1" -colorspace Gray -format '%[fx:int(mean*65535)]' info: 2>/dev/null || true
}

# Waits until the window shows the game rather than the black of start-up: keys
# pressed while the game still loads are dropped on purpose, so a test that types
# must wait for this first. Says why when it gives up.
tv_wait_ready() {
  tv_poll "$TV_PID" "${2:-120}" 0.2 "before it was ready" "window $1 still black" tv_lit "$1"
}

tv_lit() {
  local level
  level=$(tv_brightness "$1")
  [ -n "$level" ] && [ "$level" -gt 1000 ]
}

# Waits until the loading bar is full and the loading screen waits for the player,
# cutting the splashes short with a key that means nothing anywhere else (Shift).
# Keys go to the game's window alone, never to a window of another test on the display.
tv_wait_loaded() {
  tv_poll "$TV_PID" "${2:-120}" 0.3 "before loading finished" "loading never finished" tv_loaded_or_shift "$1"
}

tv_loaded_or_shift() {
  grep -q "loading pass" "$TV_HOME/stdout.$$" 2>/dev/null && return 0
  xdotool key --window "$1" shift 2>/dev/null || true
  return 1
}

# The player folder holds a player's file: the title then asks for no name.
tv_has_player() { compgen -G "$XDG_DATA_HOME/Quillmoth/Tinselvale GOLD/profiles/*.dat" >/dev/null; }

# From start-up to the board with the keyboard, as a player would: Return on the loading
# screen, the name typed when the title asks for one (${TV_PLAYER:-Eve}), Return for
# "play" on the title, then the level map's keys (TV_MAP_KEYS) where the game has a map.
tv_to_board() {
  local win=$1
  tv_wait_loaded "$win" || return 1
  tv_go "$win" title Return || return 1
  if ! tv_has_player; then
    xdotool type --window "$win" --delay 60 "${TV_PLAYER:-Eve}"
    xdotool key --window "$win" Return
    for _ in $(seq 50); do tv_has_player && break; sleep 0.2; done
    tv_has_player || { echo "the name prompt took no name" >&2; return 1; }
    sleep 0.3
  fi
  local fresh=0
  [ "$(tv_first_game_record)" = 1 ] || fresh=1
  tv_go "$win" levelselect Return || return 1
  # A player's very first game is preceded by the instructions; Escape goes on to it.
  if [ $fresh = 1 ]; then
    tv_go "$win" instructions ${TV_MAP_KEYS:-Return} || return 1
    tv_go "$win" game Escape
  else
    tv_go "$win" game ${TV_MAP_KEYS:-Return}
  fi
}

# Clicks at (x, y) in the window n times, 0.7 s apart: the first level's tutorial page
# closes at a click once it has unrolled, which a loaded machine does slowly.
tv_click_through() {
  local win=$1 x=$2 y=$3 n=$4
  for _ in $(seq "$n"); do
    xdotool mousemove --window "$win" "$x" "$y" click 1
    sleep 0.7
  done
}

# The one-time record the level map spends on the current player's first game
# (empty before the player has a file).
tv_first_game_record() {
  local file
  file=$(compgen -G "$XDG_DATA_HOME/Quillmoth/Tinselvale GOLD/profiles/*.dat" | head -n 1)
  [ -s "$file" ] && od -An -t d4 -j 116 -N 4 "$file" | tr -d ' ' || true
}

# The screens the game has changed to so far, one name a line: started with --timing,
# it reports each change of screen ("change to game: 92.4 ms") on standard output.
tv_screens() { sed -n 's/^change to \([a-z]*\):.*/\1/p' "$TV_HOME/stdout.$$" 2>/dev/null || true; }

# Presses keys until the game changes to the named screen, then waits for that screen
# to fade in. A screen still flying or fading in may not answer yet, so the keys are
# pressed again while no change follows; going anywhere else fails at once.
tv_go() {
  local win=$1 target=$2 before now
  shift 2
  for _ in $(seq 10); do
    before=$(tv_screens | wc -l)
    xdotool key --window "$win" "$@"
    # Fading out and loading the next screen can take seconds on a busy machine.
    for _ in $(seq 80); do
      if [ "$(tv_screens | wc -l)" -gt "$before" ]; then
        now=$(tv_screens | tail -n 1)
        [ "$now" = "$target" ] || { echo "$* went to the $now screen, not $target" >&2; return 1; }
        tv_wait_ready "$win" || return 1
        # The fade-in (half a second) swallows the first key pressed during it.
        sleep 0.8
        return 0
      fi
      kill -0 "$TV_PID" 2>/dev/null || { echo "the game ended" >&2; return 1; }
      sleep 0.1
    done
  done
  echo "no change to the $target screen after $*" >&2
  return 1
}

# Waits until the system message box shown before the game window is up; prints its id.
tv_wait_box() {
  local box
  for _ in $(seq 150); do
    box=$(xwininfo -root -children 2>/dev/null | awk '/"Tinselvale GOLD/ {print $1; exit}')
    if [ -n "$box" ] && [ -z "$(xdotool search --onlyvisible --pid "$TV_PID" 2>/dev/null)" ]; then
      echo "$box"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

# Holds a key chord across a few logic updates, and again until the given command
# succeeds (a chord pressed while a screen fades in goes with the fade's input flush,
# as a player's would). Returns 1 when the command never succeeds.
tv_chord_until() {
  local chord=$1 tries=$2 wait
  shift 2
  for _ in $(seq "$tries"); do
    xdotool keydown "$chord"; sleep 0.3; xdotool keyup "$chord"
    for wait in $(seq 10); do "$@" && return 0; sleep 0.1; done
  done
  return 1
}

# The first classic level's board: its size ("cols rows") and where it sits (sx, sy).
tv_board_geometry() {
  local level size
  level="$(dirname "$TV_BIN")/data/levels/1.txt"
  size=$(awk -F, 'NR==1 && toupper(substr($1,1,3))=="REM" {next} {n++} n==3 {print $1" "$2; exit}' "$level" | tr -d '\r')
  read -r cols rows <<<"$size"
  sx=$(( (800 - cols * 50) / 2 + 60 ))
  sy=$(( (600 - rows * 50) / 2 ))
}

# The gem pictures side by side on black, to tell the gems on a screenshot apart.
tv_gems_ref() {
  local ref="$TV_HOME/gems.ppm"
  [ -e "$ref" ] || convert "$(dirname "$TV_BIN")/Data/graphics/gems.png" -background black -flatten -depth 8 "ppm:$ref"
  echo "$ref"
}

# Number of board cells whose pixels differ noticeably between two shots.
tv_changed_cells() {
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

# Reads the gems off the screen (each kind has its own colour in the middle of its
# cell) and prints one move that makes a line: "x y dx dy".
tv_find_move() {
  PYTHONPATH="$TV_E2E" python3 - "$1" "$(tv_gems_ref)" "$sx" "$sy" "$cols" "$rows" <<'PY'
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

# Makes a move read off the screen with "$1 x y dx dy" (a drag, the cursor's keys...),
# up to four times until one changes at least three cells of the settled board; prints
# the move and the cells changed, and fails when none did. Shots go to folder $2.
tv_make_move() {
  local make=$1 shots=$2 move x y dx dy n
  for _ in 1 2 3 4; do
    import -window "$win" -depth 8 "ppm:$shots/before.ppm"
    move=$(tv_find_move "$shots/before.ppm")
    [ -n "$move" ] || { sleep 1; continue; }
    read -r x y dx dy <<<"$move"
    "$make" "$x" "$y" "$dx" "$dy"
    sleep 1.6
    import -window "$win" -depth 8 "ppm:$shots/after.ppm"
    n=$(tv_changed_cells "$shots/before.ppm" "$shots/after.ppm")
    if [ "$n" -ge 3 ]; then
      echo "move ($x,$y) by ($dx,$dy) changed $n cells"
      return 0
    fi
  done
  return 1
}
