#!/usr/bin/env bash
# P pauses the real game: the picture dims under the paused sign, and P again
# brings the board back as it was.
source "$(dirname "$0")/lib.sh"

# Mean brightness (0-65535) of the game window's picture.
brightness() {
  import -window "$1" -colorspace Gray -format '%[fx:int(mean*65535)]' info: 2>/dev/null
}

tv_start
win=$(tv_wait_window "$TV_PID") || fail "no window"
sleep 2
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
kill -TERM "$TV_PID"
tv_wait_exit "$TV_PID" 100
[ "$TV_RC" = 0 ] || fail "exit '$TV_RC'"
echo "pause ok ($before -> $paused -> $after)"
