#!/usr/bin/env bash
# The road of a won level in a real window: from the title through the level map to
# the first level, which is ended as won with the developer chord; the level-complete
# panel saves the next level at once, its picture becomes the wallpaper file, and the
# player goes on to the level map, where Return plays the next level. Closing the
# window then still ends the program cleanly.
source "$(dirname "$0")/lib.sh"

SHARED="$XDG_DATA_HOME/Quillmoth/Tinselvale GOLD"
PROFILE="$SHARED/profiles/Eve.dat"
mkdir -p "$SHARED"
: >"$SHARED/GoodExit.dat"
printf 'PROFILE NAME=Eve\r\nDRIVER=1\r\nFULL SCREEN=0\r\nSOUND=0\r\nMUSIC=0\r\n' >"$SHARED/tinselvale.ini"

# A little-endian 32-bit number of the profile file at a byte offset ("" before it exists).
word() { [ -s "$PROFILE" ] && od -An -t d4 -j "$1" -N 4 "$PROFILE" | tr -d ' ' || true; }
level() { word 444; }      # the classic pack's level to play next
unlocked() { word 448; }   # and the highest level open in it
first_choice() { word 116; }  # the one-time record the map uses on the first choice

tv_start
win=$(tv_wait_window "$TV_PID") || fail "no window"
tv_to_board "$win" || fail "never reached the board"

# Level 1 opens with its tutorial page, which Return closes once it has unrolled; the
# chord then ends the level as won (it is ignored while the page shows). The next
# level is saved when the panel opens, after the 4.5 s outro.
saved_level() { [ "$(level)" = 2 ]; }
won=0
for _ in $(seq 30); do
  xdotool key --window "$win" Return
  sleep 0.5
  if tv_chord_until ctrl+j 1 saved_level; then won=1; break; fi
  for _ in $(seq 60); do saved_level && { won=1; break; }; sleep 0.1; done
  [ $won = 1 ] && break
done
[ $won = 1 ] || fail "the won level was not saved (level '$(level)')"
[ "$(unlocked)" = 2 ] || fail "level 2 was not unlocked ('$(unlocked)')"

# A click rolls the tally away once it is open; a click on "Set Wallpaper" then writes
# the picture. The message that follows stays until it is answered.
bmp="$SHARED/Tinselvale.bmp"
for _ in $(seq 30); do
  xdotool mousemove --window "$win" 400 18 click 1
  sleep 0.5
  [ -s "$bmp" ] && break
done
[ -s "$bmp" ] || fail "no wallpaper file was written"
[ "$(head -c 2 "$bmp")" = BM ] || fail "the wallpaper file is not a bitmap"
[ "$(stat -c %s "$bmp")" = $((54 + 800 * 3 * 600)) ] || fail "the wallpaper file has the wrong size"

# Return answers the message; the next Return leaves the picture for the map, and
# (once the map's camera has flown in) Return plays the level the map shows.
[ "$(first_choice)" = 1 ] || fail "the first game did not spend the map's first-choice record"
xdotool key --window "$win" Return
sleep 0.5
tv_go "$win" levelselect Return || fail "the picture never gave way to the map"
tv_go "$win" game Return || fail "the map never started the next level"
[ "$(level)" = 2 ] || fail "the map chose level '$(level)', wanted the next one"
kill -0 "$TV_PID" || fail "the game ended by itself"

"$TV_WM_CLOSE" "$win"
tv_wait_exit "$TV_PID" 100
[ "$TV_RC" = 0 ] || fail "window close: exit '$TV_RC'"
[ -s "$SHARED/ErrorLog.txt" ] && fail "errors were logged: $(cat "$SHARED/ErrorLog.txt")"
echo "level map road ok"
