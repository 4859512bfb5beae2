#!/usr/bin/env bash
# The road from start-up to the title as a new player walks it: keys pressed during
# the splashes and the loading do not get past the loading screen; the first title
# asks for a name, Escape does not close that prompt, and the typed name becomes the
# player (first letter capitalised); Escape on the title ends the program cleanly. A
# request to close during the splashes or the loading is acted on at once.
source "$(dirname "$0")/lib.sh"

SHARED="$XDG_DATA_HOME/Quillmoth/Tinselvale GOLD"

# "r g b" means of the window's picture, 0-255.
mean_rgb() {
  import -window "$1" -resize 1x1! -depth 8 txt:- 2>/dev/null | awk -F'[(),]' 'NR==2 {print int($3), int($4), int($5)}'
}
# The loading screen is a blue winter night; the title a warm room by the fire.
bluish() { local r g b; read -r r g b <<<"$(mean_rgb "$1")"; [ -n "$b" ] && [ "$b" -gt "$r" ]; }
warm() { local r g b; read -r r g b <<<"$(mean_rgb "$1")"; [ -n "$r" ] && [ "$r" -gt "$b" ]; }
alive() { kill -0 "$TV_PID" 2>/dev/null && [ "$(ps -o stat= -p "$TV_PID" 2>/dev/null | cut -c1)" != Z ]; }

# Return, Space and clicks all through the splashes and the loading. The program
# reports the end of the loading before it drops the presses made during it, so every
# press made before the report is seen must be dropped. A press made while the report
# was being written may rightly count: such a start proves nothing and is made again.
loaded_through_presses() {
  tv_start --windowed
  win=$(tv_wait_window "$TV_PID") || fail "no window"
  local straddled=0
  for _ in $(seq 200); do
    grep -q "loading pass" "$TV_HOME/stdout.$$" && break
    alive || fail "the game ended during start-up"
    xdotool key --window "$win" Return space
    xdotool mousemove --window "$win" 400 100 click --window "$win" 1
    if grep -q "loading pass" "$TV_HOME/stdout.$$"; then straddled=1; break; fi
    sleep 0.2
  done
  grep -q "loading pass" "$TV_HOME/stdout.$$" || fail "loading never finished"
  sleep 1.5
  bluish "$win" && return 0
  [ $straddled = 1 ] || fail "keys pressed during loading went past the loading screen ($(mean_rgb "$win"))"
  kill -TERM "$TV_PID"
  tv_wait_exit "$TV_PID" 50
  rm -rf "$XDG_DATA_HOME"
  return 1
}
for try in 1 2 3 4; do
  loaded_through_presses && break
  [ $try = 4 ] && fail "every start ended its loading while keys were being pressed"
done

xdotool key --window "$win" Return
sleep 1.5
warm "$win" || fail "Return on the loading screen did not lead to the title ($(mean_rgb "$win"))"
# A fresh home has no player: the name prompt is open, and Escape leaves it open.
xdotool key --window "$win" Escape
sleep 1
alive || fail "Escape in the first name prompt ended the program"
xdotool type --window "$win" --delay 60 "robin"
xdotool key --window "$win" Return
for _ in $(seq 50); do [ -e "$SHARED/profiles/Robin.dat" ] && break; sleep 0.2; done
[ -e "$SHARED/profiles/Robin.dat" ] || fail "the typed name made no Robin.dat: $(ls "$SHARED/profiles")"
remembered() { grep -aq $'^PROFILE NAME=Robin\r$' "$SHARED/tinselvale.ini" 2>/dev/null; }
for _ in $(seq 50); do remembered && break; sleep 0.2; done
remembered || fail "the new player is not remembered"
sleep 0.5
xdotool key --window "$win" Escape
tv_wait_exit "$TV_PID" 100
[ "$TV_RC" = 0 ] || fail "Escape on the title: exit '$TV_RC'"
[ -e "$SHARED/GoodExit.dat" ] || fail "Escape on the title left no good-exit marker"

# A close request while the splashes run, and another once the last splash was cut short
# (the loading then runs): both end the program within a few seconds.
for when in splash loading; do
  tv_start --windowed
  win=$(tv_wait_window "$TV_PID") || fail "$when: no window"
  if [ $when = loading ]; then
    until grep -q "exec to first picture" "$TV_HOME/stdout.$$"; do alive || break; sleep 0.05; done
    for _ in 1 2 3 4; do xdotool key --window "$win" shift; sleep 0.1; done
  fi
  kill -TERM "$TV_PID"
  tv_wait_exit "$TV_PID" 50
  [ "$TV_RC" = 0 ] || fail "SIGTERM during the $when: exit '$TV_RC'"
  [ -e "$SHARED/GoodExit.dat" ] || fail "SIGTERM during the $when: no good-exit marker"
done
echo "start road ok"
