#!/usr/bin/env bash
# The program starts and shows its window, refuses a second copy, and ends with
# exit code 0 when asked to by the window's close button, SIGTERM or Super+Q.
source "$(dirname "$0")/lib.sh"

tv_start
first=$TV_PID
win=$(tv_wait_window "$first") || fail "no window appeared"
name=$(xdotool getwindowname "$win")
[[ "$name" == "Tinselvale GOLD V1.11"* ]] || fail "unexpected window title '$name'"
sleep 1
kill -0 "$first" || fail "the game ended by itself"

# A second copy ends at once, silently, with code 0 and no window.
"$TV_BIN" >"$TV_HOME/second.out" 2>&1 &
second=$!
tv_wait_exit "$second" 50
[ "$TV_RC" = 0 ] || fail "second copy: exit '$TV_RC'"
[ ! -s "$TV_HOME/second.out" ] || fail "second copy printed something"
[ "$(xdotool search --pid "$second" 2>/dev/null | wc -l)" = 0 ] || fail "second copy opened a window"

# SIGTERM goes through the exit routine (a fade, then exit code 0).
kill -TERM "$first"
tv_wait_exit "$first" 100
[ "$TV_RC" = 0 ] || fail "SIGTERM: exit '$TV_RC'"

# After a kill -9 the lock is gone with the process: a new start works.
tv_start
killed=$TV_PID
tv_wait_window "$killed" >/dev/null || fail "no window after restart"
kill -9 "$killed"
wait "$killed" 2>/dev/null || true

tv_start
third=$TV_PID
# A killed run is noticed: the next start says so in a box before its window opens.
tv_dismiss_box || fail "no incorrect-shutdown box after kill -9"
win=$(tv_wait_window "$third") || fail "the lock stayed behind after kill -9"
# The window's close button.
"$TV_WM_CLOSE" "$win"
tv_wait_exit "$third" 100
[ "$TV_RC" = 0 ] || fail "window close: exit '$TV_RC'"

# The quit combination (Super+Q) is a held-key test: hold both across a logic update.
tv_start
fourth=$TV_PID
win=$(tv_wait_window "$fourth") || fail "no window for the quit chord"
# Keys pressed while the game still loads are dropped on purpose.
tv_wait_ready "$win" || fail "the game never became ready for the quit chord"
xdotool keydown super+q; sleep 0.3; xdotool keyup super+q
tv_wait_exit "$fourth" 50
[ "$TV_RC" = 0 ] || fail "Super+Q: exit '$TV_RC'"

# SIGTERM while the incorrect-shutdown box waits before the window: a clean end.
shared="$XDG_DATA_HOME/Quillmoth/Tinselvale GOLD"
tv_start
tv_wait_window "$TV_PID" >/dev/null || fail "no window before the kill"
kill -9 "$TV_PID"
wait "$TV_PID" 2>/dev/null || true
tv_start
tv_wait_box >/dev/null || fail "no incorrect-shutdown box"
kill -TERM "$TV_PID"
tv_wait_exit "$TV_PID" 100
[ "$TV_RC" = 0 ] || fail "SIGTERM during the box: exit '$TV_RC'"
[ -e "$shared/GoodExit.dat" ] || fail "SIGTERM during the box left no good-exit marker"
[ -z "$(xwininfo -root -children 2>/dev/null | awk '/"Tinselvale GOLD/')" ] || fail "the box stayed behind"

# No display: the game says there is no graphics hardware and ends, rather than
# running unseen while holding the one-copy lock.
rm -f "$shared/ErrorLog.txt"
env -u DISPLAY -u WAYLAND_DISPLAY "$TV_BIN" >"$TV_HOME/nodisplay.out" 2>&1 &
TV_PID=$!
TV_PIDS+=("$TV_PID")
tv_wait_exit "$TV_PID" 100
[ "$TV_RC" = 0 ] || fail "without a display: exit '$TV_RC'"
grep -aq "No 3D Hardware Found (could not count graphics modes.)" "$shared/ErrorLog.txt" ||
  fail "without a display: nothing logged"
echo "lifecycle ok"
