#!/usr/bin/env bash
# Settings, crash detection and window sizes of the real program, each run on an X
# server of its own size: first start, a killed run, a killed run after a settings
# change, the windowed size rule, Alt+Enter saving at once, and full screen on a
# 21:9 display played with clicks at the scaled positions.
source "$(dirname "$0")/lib.sh"

trap 'tv_xserver_stop; tv_cleanup' EXIT

# A fresh shared data folder for the next runs.
fresh_home() {
  rm -rf "$TV_HOME/share"
  SHARED="$XDG_DATA_HOME/Quillmoth/Tinselvale GOLD"
  INI="$SHARED/tinselvale.ini"
}

term_game() { kill -TERM "$TV_PID"; tv_wait_exit "$TV_PID"; [ "$TV_RC" = 0 ] || fail "$1: exit '$TV_RC'"; }

# Starts the game. The instance lock is machine-wide, so while another copy runs (another
# test, another checkout) ours ends at once: wait for our turn instead of failing.
start_game() {
  for _ in $(seq 240); do
    tv_start
    sleep 0.3
    kill -0 "$TV_PID" 2>/dev/null && return 0
    wait "$TV_PID" 2>/dev/null || true
    sleep 0.2
  done
  fail "the game never got the instance lock"
}

geometry() { xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}'; }
ini_value() { grep -a "^$1=" "$INI" | tr -d '\r' | cut -d= -f2-; }
kill_game() { kill -9 "$TV_PID"; wait "$TV_PID" 2>/dev/null || true; }

# ---- first start: folders made, settings normalised, no crash message
tv_xserver_start 1280x1024
fresh_home
start_game
win=$(tv_wait_window "$TV_PID") || fail "first start: no window"
[ -d "$SHARED/profiles" ] || fail "profile folder not made"
[ "$(stat -c %a "$SHARED")" != 777 ] || fail "shared folder is world-writable"
[ "$(grep -c $'\r$' "$INI")" = 27 ] || fail "settings file does not hold 27 CR LF lines"
head -n1 "$INI" | grep -q $'^VERSION NO=1.11\r$' || fail "first line is not the version"
[ ! -e "$SHARED/ErrorLog.txt" ] || fail "first start logged an error"
[ "$(ini_value 'CUSTOM MOUSE POINTER')" = 1 ] || fail "last key missing"

# ---- a killed run: the next start opens windowed and logs why
kill_game
sed -i 's/^FULL SCREEN=.*/FULL SCREEN=1\r/' "$INI"
start_game
tv_dismiss_box || fail "no message box after a killed run"
win=$(tv_wait_window "$TV_PID") || fail "no window after a killed run"
grep -aq "Starting in Windowed mode due to incorrect shutdown." "$SHARED/ErrorLog.txt" || fail "not logged"
grep -aq $'^-\{57\}\r$' "$SHARED/ErrorLog.txt" || fail "log entry without its rule line"
[ "$(ini_value 'FULL SCREEN')" = 0 ] || fail "not saved as windowed"

# ---- a killed run after a settings change: shipped defaults back, the name kept
term_game "after a killed run"
[ -e "$SHARED/GoodExit.dat" ] || fail "clean exit left no marker"
sed -i 's/^PROFILE NAME=.*/PROFILE NAME=Ann Marie\r/; s/^SOUND VOLUME=.*/SOUND VOLUME=7\r/' "$INI"
start_game
win=$(tv_wait_window "$TV_PID") || fail "no window"
[ ! -e "$SHARED/GoodExit.dat" ] || fail "good-exit marker not removed at start"
[ "$(ini_value 'SOUND VOLUME')" = 7 ] || fail "a clean start lost a setting"
tv_wait_loaded "$win" || fail "the game never finished loading"
xdotool windowfocus "$win" 2>/dev/null || true
tv_chord_until alt+Return 5 test -e "$SHARED/inichanged.dat" || true
[ -e "$SHARED/inichanged.dat" ] || fail "a toggle did not mark the settings as changed"
kill_game
start_game
tv_dismiss_box || fail "no message box after a killed run"
tv_wait_window "$TV_PID" >/dev/null || fail "no window"
[ "$(ini_value 'PROFILE NAME')" = "Ann Marie" ] || fail "the player's name was lost"
[ "$(ini_value 'SOUND VOLUME')" != 7 ] || fail "defaults not restored"
[ "$(grep -c $'\r$' "$INI")" = 27 ] || fail "restored file not normalised"
kill_game

# ---- windowed sizes: the desktop height less 70 must hold the window
for case in 1280x1024:800x600 1024x600:640x480 800x600:640x480 1024x768:800x600; do
  tv_xserver_start "${case%%:*}"
  fresh_home
  mkdir -p "$SHARED"
  printf 'FULL SCREEN=0\r\nDRIVER=1\r\n' >"$INI"
  : >"$SHARED/GoodExit.dat"
  start_game
  win=$(tv_wait_window "$TV_PID") || fail "${case%%:*}: no window"
  [ "$(geometry "$win")" = "${case##*:}" ] || fail "${case%%:*}: window $(geometry "$win"), wanted ${case##*:}"
  term_game "${case%%:*}"
done

# ---- Alt+Enter on an 800x600 display: full screen and back, saved at once
tv_xserver_start 800x600
fresh_home
mkdir -p "$SHARED"
printf 'FULL SCREEN=0\r\nDRIVER=1\r\n' >"$INI"
: >"$SHARED/GoodExit.dat"
start_game
win=$(tv_wait_window "$TV_PID") || fail "no window"
[ "$(geometry "$win")" = 640x480 ] || fail "windowed start not 640x480"
tv_wait_loaded "$win" || fail "the game never finished loading"
full_screen_is() { [ "$(ini_value 'FULL SCREEN')" = "$1" ]; }
for want in 1 0; do
  tv_chord_until alt+Return 5 full_screen_is "$want" || true
  [ "$(ini_value 'FULL SCREEN')" = "$want" ] || fail "Alt+Enter did not save FULL SCREEN=$want"
  sleep 0.5
  win=$(tv_wait_window "$TV_PID") || fail "no window after the toggle"
  if [ "$want" = 1 ]; then size=800x600; else size=640x480; fi
  [ "$(geometry "$win")" = "$size" ] || fail "after Alt+Enter: $(geometry "$win"), wanted $size"
done
# Kills during toggles never leave a truncated settings file.
for _ in 1 2 3; do
  xdotool keydown alt+Return; sleep 0.3; xdotool keyup alt+Return
  sleep 0.$((RANDOM % 5))
  kill_game
  [ "$(grep -c $'\r$' "$INI")" = 27 ] || fail "settings file damaged by a kill"
  start_game
  tv_dismiss_box >/dev/null || true
  win=$(tv_wait_window "$TV_PID") || fail "no window after a kill"
  tv_wait_ready "$win" || fail "the game never became ready after a kill"
done
term_game "after the kills"

# ---- full screen on a 21:9 display: the whole monitor at its own mode, the picture scaled
# by 1.8 and centred between bars of 311 logical pixels that show the side pictures; clicks
# land at the scaled positions, a click on a bar does nothing, and Alt+Enter switches at once
tv_xserver_start 2560x1080
fresh_home
mkdir -p "$SHARED"
printf 'FULL SCREEN=1\r\nWIDESCREEN=1\r\nDRIVER=1\r\nSOUND=0\r\nMUSIC=0\r\n' >"$INI"
: >"$SHARED/GoodExit.dat"
start_game
win=$(tv_wait_window "$TV_PID") || fail "21:9: no window"
[ "$(geometry "$win")" = 2560x1080 ] || fail "21:9 full screen: $(geometry "$win"), wanted the whole monitor"
tv_wait_loaded "$win" || fail "21:9: the game never finished loading"
# Where a logical position is on the monitor.
at() { echo $(( ($1 + 311) * 18 / 10 )) $(( $2 * 18 / 10 )); }
bar_level() { import -window "$win" -crop "200x1080+$1+0" -colorspace Gray -format '%[fx:int(mean*65535)]' info: 2>/dev/null; }
for x in 100 2260; do
  [ "$(bar_level $x)" -gt 3000 ] || fail "21:9: the bar at $x shows no side picture"
done
# "Click to Play" at (400, 550): first level with it in the left bar, then on it.
xdotool mousemove $(at -200 550) click 1
sleep 1
[ "$(tv_screens | tail -n 1)" = loading ] || fail "21:9: a click on the bar was taken (screens: $(tv_screens | tr "\n" " "))"
tv_screens_before=$(tv_screens | wc -l)
for _ in $(seq 10); do
  xdotool mousemove $(at 400 550) click 1
  sleep 1
  [ "$(tv_screens | wc -l)" -gt "$tv_screens_before" ] && break
done
[ "$(tv_screens | tail -n 1)" = title ] || fail "21:9: the scaled click did not lead to the title ($(tv_screens | tail -n 1))"
# The name prompt, once the title has faded in and opened it: typed, then its OK at (400, 399).
sleep 3
xdotool type --window "$win" --delay 60 "Wide"
for _ in $(seq 5); do
  sleep 0.5
  xdotool mousemove $(at 400 399) click 1
  for _ in $(seq 10); do [ -e "$SHARED/profiles/Wide.dat" ] && break 2; sleep 0.2; done
done
[ -e "$SHARED/profiles/Wide.dat" ] || fail "21:9: the scaled click on OK made no player"
# The title's Play at (400, 545) leads to the level map.
for _ in $(seq 10); do
  sleep 1
  xdotool mousemove $(at 400 545) click 1
  for _ in $(seq 10); do [ "$(tv_screens | tail -n 1)" = levelselect ] && break 2; sleep 0.2; done
done
[ "$(tv_screens | tail -n 1)" = levelselect ] || fail "21:9: the scaled click on Play did not lead to the map"
# Alt+Enter to the first window (the largest multiple of 800 x 600 that fits) and back at once.
xdotool windowfocus "$win" 2>/dev/null || true
for want in 0 1; do
  tv_chord_until alt+Return 5 full_screen_is "$want" || fail "21:9: Alt+Enter did not save FULL SCREEN=$want"
  if [ "$want" = 1 ]; then size=2560x1080; else size=800x600; fi
  for _ in $(seq 20); do [ "$(geometry "$win")" = "$size" ] && break; sleep 0.1; done
  [ "$(geometry "$win")" = "$size" ] || fail "21:9 after Alt+Enter: $(geometry "$win"), wanted $size"
done
term_game "at the end"
echo "settings ok"
