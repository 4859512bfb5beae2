#!/usr/bin/env bash
# The board in a real window: it shows, and a mouse drag makes a move on it. The
# gems are read off a screenshot to pick a move that makes a line; a move that
# stands changes several cells of the settled board.
source "$(dirname "$0")/lib.sh"

shots=${TV_BOARD_SHOTS:-$TV_HOME/shots}
mkdir -p "$shots"

tv_board_geometry

tv_start --windowed
win=$(tv_wait_window "$TV_PID") || fail "no window appeared"
tv_to_board "$win" || fail "never reached the board"
sleep 1
kill -0 "$TV_PID" || fail "the game ended by itself"

shot() { import -window "$win" -depth 8 "ppm:$1"; }
# The pointer parks off the board with a click there (a press carries its
# position even where plain warps of the pointer are not reported).
park() { xdotool mousemove --window "$win" 5 5; sleep 0.1; xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; }
park
sleep 1
shot "$shots/start.ppm"

drag() {
  local px=$((sx + $1 * 50 + 25)) py=$((sy + $2 * 50 + 25)) dx=$3 dy=$4
  xdotool mousemove --window "$win" $px $py; sleep 0.15
  xdotool mousedown 1; sleep 0.15
  xdotool mousemove --window "$win" $((px + dx * 20)) $((py + dy * 20)); sleep 0.1
  xdotool mousemove --window "$win" $((px + dx * 45)) $((py + dy * 45)); sleep 0.15
  xdotool mouseup 1; sleep 0.1
  park
}
tv_make_move drag "$shots" || fail "no drag of a move read off the screen made a line"
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
