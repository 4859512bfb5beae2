#!/usr/bin/env bash
# The Debian package made from the built tree holds the games layout, dependencies found
# from the program's libraries, the manual page, licence and changelog; unpacked into a
# root of its own (never installed), the game finds its data there, reaches the title
# and ends cleanly.
source "$(dirname "$0")/lib.sh"

out="$TV_HOME/package"
tv_keep_manifest cpack --config "$TV_BUILD_DIR/CPackConfig.cmake" -B "$out" >"$TV_HOME/cpack.txt" 2>&1 ||
  { cat "$TV_HOME/cpack.txt"; fail "cpack failed"; }
deb=$(compgen -G "$out/tinselvale_*.deb" | head -n 1) || fail "cpack made no tinselvale_*.deb"
root="$TV_HOME/root"
dpkg-deb -x "$deb" "$root"

[ "$(ls -A "$root")" = usr ] || fail "the package puts files outside /usr: $(ls -A "$root")"
id=com.quillmoth.tinselvale
for f in games/tinselvale share/games/tinselvale/Data/graphics/gems.png share/games/tinselvale/data/levels/1.txt \
         share/games/tinselvale/Data/fonts/CARD1.dat "share/applications/$id.desktop" \
         "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/256x256/apps/$id.png" \
         share/man/man6/tinselvale.6.gz share/doc/tinselvale/copyright share/doc/tinselvale/changelog.gz; do
  [ -e "$root/usr/$f" ] || fail "not in the package: /usr/$f"
done
[ ! -e "$root/usr/bin" ] && [ ! -e "$root/usr/share/tinselvale" ] || fail "the package holds the prefix layout too"

# Without the file or dpkg-shlibdeps tools cpack only warns and leaves Depends empty.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libstdc++6 libsdl2-2.0-0 libopenal1 libvorbisfile3 libpng16-16 libfreetype6; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: '$depends'"
done
version=$(dpkg-deb -f "$deb" Version)
zcat "$root/usr/share/doc/tinselvale/changelog.gz" | head -n 1 | grep -q "^tinselvale ($version) " ||
  fail "the changelog's newest entry is not version $version"

# Started from elsewhere, the unpacked program reads its data from the packaged layout.
TV_BIN="$root/usr/games/tinselvale"
cd /
tv_start --windowed
win=$(tv_wait_window "$TV_PID") || fail "the unpacked game showed no window"
tv_wait_loaded "$win" || fail "the unpacked game did not load"
tv_go "$win" title Return || fail "the unpacked game did not reach the title"
shared="$XDG_DATA_HOME/Quillmoth/Tinselvale GOLD"
[ ! -e "$shared/ErrorLog.txt" ] || { cat "$shared/ErrorLog.txt"; fail "the unpacked game logged an error"; }
kill -TERM "$TV_PID"
tv_wait_exit "$TV_PID" 150
[ "$TV_RC" = 0 ] || fail "exit '$TV_RC'"
[ -e "$shared/GoodExit.dat" ] || fail "the game did not end cleanly (no GoodExit.dat)"
echo "package ok"
