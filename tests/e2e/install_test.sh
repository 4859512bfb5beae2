#!/usr/bin/env bash
# Installed into a fresh prefix the game finds its data under share/, starts from the
# command its desktop entry names, answers --help and --version, and its desktop entry
# and AppStream metainfo pass the validators when they are installed.
source "$(dirname "$0")/lib.sh"

prefix="$TV_HOME/prefix"
tv_keep_manifest cmake --install "$TV_BUILD_DIR" --prefix "$prefix" >/dev/null || fail "install failed"
id=com.quillmoth.tinselvale
for f in bin/tinselvale share/tinselvale/Data/graphics/gems.png share/tinselvale/data/levels/1.txt \
         share/man/man6/tinselvale.6.gz "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
         "share/icons/hicolor/256x256/apps/$id.png" "share/icons/hicolor/16x16/apps/$id.png"; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
exec_line=$(grep '^Exec=' "$prefix/share/applications/$id.desktop" | cut -d= -f2)
[ -x "$prefix/bin/$exec_line" ] || fail "the desktop entry names '$exec_line', which is not in bin/"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry does not validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" >"$TV_HOME/as.txt" 2>&1 ||
    { cat "$TV_HOME/as.txt"; fail "metainfo does not validate"; }
fi

"$prefix/bin/tinselvale" --version | grep -qx "Tinselvale GOLD 1.11" || fail "--version"
"$prefix/bin/tinselvale" --help | grep -q -- "--windowed" || fail "--help does not list --windowed"
rc=0; "$prefix/bin/tinselvale" --nonsense 2>"$TV_HOME/err.txt" || rc=$?
[ "$rc" = 2 ] || fail "a wrong option ended with $rc"
grep -q "unknown option '--nonsense'" "$TV_HOME/err.txt" || fail "a wrong option was not explained"

# The installed program, started from elsewhere, finds its data and opens its window.
TV_BIN="$prefix/bin/tinselvale"
cd /
tv_start --windowed
win=$(tv_wait_window "$TV_PID") || fail "the installed game showed no window"
shared="$XDG_DATA_HOME/Quillmoth/Tinselvale GOLD"
[ ! -e "$shared/ErrorLog.txt" ] || { cat "$shared/ErrorLog.txt"; fail "the installed game logged an error"; }
grep -aq $'^FULL SCREEN=0\r$' "$shared/tinselvale.ini" || fail "--windowed did not start in a window"
kill -TERM "$TV_PID"
tv_wait_exit "$TV_PID" 100
[ "$TV_RC" = 0 ] || fail "exit '$TV_RC'"
echo "install ok"
