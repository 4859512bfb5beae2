#!/usr/bin/env bash
# A request to close that comes while the first screen fades in is acted on: the
# picture darkens and the program ends with exit code 0 and its good-exit marker,
# for the window's close button and for SIGTERM alike. The request is sent as soon
# as the window shows, before the first screen has finished fading in; each kind is
# tried more than once, since how soon that is varies from run to run.
source "$(dirname "$0")/lib.sh"

SHARED="$XDG_DATA_HOME/Quillmoth/Tinselvale GOLD"

close_while_fading_in() {
  local how=$1 win
  # The marker of the run before is taken away by this start, so finding one
  # afterwards means this run went out through the exit routine.
  tv_start
  win=$(tv_wait_window "$TV_PID") || fail "$how: no window appeared"
  case $how in
    close) "$TV_WM_CLOSE" "$win" ;;
    term) kill -TERM "$TV_PID" ;;
  esac
  tv_wait_exit "$TV_PID" 100
  [ "$TV_RC" = 0 ] || fail "$how during the fade-in: exit '$TV_RC' (the request was lost)"
  [ -e "$SHARED/GoodExit.dat" ] || fail "$how during the fade-in: no good-exit marker"
}

for how in close term close term close; do close_while_fading_in "$how"; done
echo "close during the fade-in ok"
