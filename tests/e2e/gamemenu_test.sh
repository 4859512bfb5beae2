#!/usr/bin/env bash
# The in-game menu during play: Escape slides it up over the level, its "Options"
# visits the options screen, whose "OK" comes back to the level with the menu still
# open, and "Resume" lets the same level go on where it was (the same board, not a
# new one).
source "$(dirname "$0")/lib.sh"

SHARED="$XDG_DATA_HOME/Quillmoth/Tinselvale GOLD"
mkdir -p "$SHARED"
: >"$SHARED/GoodExit.dat"
printf 'PROFILE NAME=Eve\r\nDRIVER=1\r\nFULL SCREEN=0\r\nSOUND=0\r\nMUSIC=0\r\n' >"$SHARED/tinselvale.ini"

tv_start
win=$(tv_wait_window "$TV_PID") || fail "no window"
tv_to_board "$win" || fail "never reached the board"
# A click in the sky beside the board does nothing but close the tutorial page.
tv_click_through "$win" 790 10 6
sleep 1

shot() { import -window "$win" -depth 8 "ppm:$TV_HOME/$1.ppm" 2>/dev/null; }

# measure <what> <file> [other file]: numbers read off a screenshot.
measure() {
  PYTHONPATH="$TV_E2E" python3 - "$@" <<'PY'
import sys
from ppm import load, mean
what, path = sys.argv[1], sys.argv[2]
if what == 'scroll':    # the menu's parchment in the middle, the level's blue panel at the left
    r, g, b = mean(path, 330, 420, 470, 460)
    pr, pg, pb = mean(path, 0, 300, 140, 340)
    print(1 if r > 120 and r > g > b and r - b > 40 and pb > pr else 0)
elif what == 'options':  # the options screen's red paper on the right
    r, g, b = mean(path, 690, 20, 790, 60)
    print(1 if r > 60 and r > 2 * g and r > b else 0)
elif what == 'board':    # how far two shots of the board differ, per channel on average
    w, a = load(path); _, b = load(sys.argv[3])
    total, n = 0, 0
    for y in range(0, 600, 2):
        for x in range(160, 800, 2):
            i = (y * w + x) * 3
            total += sum(abs(a[i + c] - b[i + c]) for c in range(3)); n += 3
    print(round(total / n, 1))
PY
}

# Waits (up to ${2:-20} s) until the shot shows what is asked.
wait_for() {
  local deadline=$((SECONDS + ${2:-20}))
  while [ $SECONDS -lt $deadline ]; do
    shot now && [ "$(measure "$1" "$TV_HOME/now.ppm")" = 1 ] && return 0
    sleep 0.3
  done
  return 1
}

shot before || fail "no screenshot"
[ "$(measure scroll "$TV_HOME/before.ppm")" = 0 ] || fail "a scroll shows before the menu was opened"

# The level answers Escape once its opening has played; under load that can take a while.
opened=0
for _ in 1 2 3 4; do
  xdotool key --window "$win" Escape
  if wait_for scroll 6; then opened=1; break; fi
done
[ $opened = 1 ] || fail "Escape did not open the in-game menu"

# "Options" is the second button on the scroll.
sleep 0.8
xdotool mousemove --window "$win" 400 272 click 1
wait_for options || fail "the menu's Options did not show the options screen"

# The options screen's "OK" sits 172 pixels left of the middle.
sleep 1
xdotool mousemove --window "$win" 228 565 click 1
wait_for scroll || fail "leaving the options did not come back to the open menu"

sleep 0.8
xdotool mousemove --window "$win" 400 222 click 1
sleep 0.5
xdotool mousemove --window "$win" 790 10
sleep 1.5
shot after || fail "no screenshot"
[ "$(measure scroll "$TV_HOME/after.ppm")" = 0 ] || fail "the menu did not close on Resume"
diff=$(measure board "$TV_HOME/before.ppm" "$TV_HOME/after.ppm")
echo "board difference $diff"
python3 -c "import sys; sys.exit(0 if $diff < 8 else 1)" || fail "the level did not go on where it was (difference $diff)"

"$TV_WM_CLOSE" "$win"
tv_wait_exit "$TV_PID" 100
[ "$TV_RC" = 0 ] || fail "window close: exit '$TV_RC'"
echo "in-game menu ok"
