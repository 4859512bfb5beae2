#!/usr/bin/env bash
# P pauses the real game: the picture dims under the paused sign, and P again
# brings the board back as it was.
source "$(dirname "$0")/lib.sh"

brightness() { tv_brightness "$1"; }

tv_start
win=$(tv_wait_window "$TV_PID") || fail "no window"
tv_to_board "$win" || fail "never reached the board"
sleep 1
xdotool mousemove --window "$win" 40 40
before=$(brightness "$win")
xdotool windowfocus "$win" 2>/dev/null || true
xdotool key p
sleep 0.5
paused=$(brightness "$win")
[ -n "$before" ] && [ -n "$paused" ] || fail "could not read the window"
[ "$paused" -lt $((before * 80 / 100)) ] || fail "not dimmed: $before -> $paused"
xdotool key p
sleep 0.5
after=$(brightness "$win")
[ "$after" -gt $((paused * 110 / 100)) ] || fail "still dim after the second P: $paused -> $after"
kill -0 "$TV_PID" || fail "the game ended"

# Asked to end while paused, the game ends at once and cleanly: nothing would ever
# run the closing fade of a paused game.
xdotool key p
sleep 0.5
[ "$(brightness "$win")" -lt $((before * 80 / 100)) ] || fail "not paused again"
kill -TERM "$TV_PID"
tv_wait_exit "$TV_PID" 100
[ "$TV_RC" = 0 ] || fail "exit '$TV_RC' when ended while paused"
[ -e "$XDG_DATA_HOME/Quillmoth/Tinselvale GOLD/GoodExit.dat" ] || fail "no good-exit marker after ending while paused"
echo "pause ok ($before -> $paused -> $after)"
