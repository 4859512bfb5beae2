#!/usr/bin/env bash
# Builds the Debian package in a clean folder of its own (build-package/, or
# $TV_PACKAGE_DIR), leaves tinselvale_<version>_<arch>.deb at the top of the source
# tree, and has lintian check it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TV_PACKAGE_DIR:-$root/build-package}
"$root/scripts/deps.sh" --package
rm -rf "$build"
# Built the way Debian builds its packages: with its hardening flags (every one of them),
# and without stopping at a warning a newer compiler may add.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CPPFLAGS=$(dpkg-buildflags --get CPPFLAGS)
export CFLAGS="$(dpkg-buildflags --get CFLAGS) $CPPFLAGS"
export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $CPPFLAGS"
export LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
TV_BUILD_DIR="$build" "$root/scripts/build.sh" -DTV_WERROR=OFF -DTV_TESTS=OFF -DTV_BENCH=OFF
(cd "$build" && cpack -G DEB)
deb=$(cd "$build" && ls tinselvale_*.deb)
mv -f "$build/$deb" "$root/$deb"
echo "Package: $root/$deb"
# Informational tags are listed too; an error or a warning fails the script.
lintian --info --display-info --fail-on error,warning "$root/$deb"
