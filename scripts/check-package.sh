#!/usr/bin/env bash
# Builds the Debian package and tries it as a user would: installs it with
# dpkg (apt-get -f install brings its dependencies), draws the default map
# and a short animation with umbrant-cli from the PATH and the data in /usr/share/umbrant, asks both
# programs their version, then removes the package and checks that nothing of
# it is left. It changes the system's packages while it runs: it needs root
# (or sudo) and refuses to run when umbrant is installed already.
#
# Environment:
#   UMBRANT_BUILD_DIR  the set-up build tree to package (default: build)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${UMBRANT_BUILD_DIR:-$root/build}
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

say() { printf '== %s\n' "$*"; }
fail() { printf 'check-package: %s\n' "$*" >&2; exit 1; }

if dpkg-query -W -f='${Status}' umbrant 2>/dev/null | grep -q 'install ok installed'; then
    fail "the package umbrant is installed already; remove it first (dpkg -r umbrant)"
fi
version=$("$build/bin/umbrant-cli" --version | head -1 | cut -d' ' -f2)
work=$(mktemp -d "${TMPDIR:-/tmp}/umbrant-package.XXXXXX")
installed=0
cleanup() {
    [ $installed -eq 1 ] && "${sudo[@]}" dpkg -r umbrant >/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

say "building the package"
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
package=$(ls "$work"/package/umbrant_"${version}"_*.deb)
dpkg-deb -f "$package" Depends
dpkg-deb -f "$package" Depends | grep -q libavcodec || fail "the package does not depend on FFmpeg's libraries"

say "installing $package"
installed=1
"${sudo[@]}" dpkg -i "$package" >/dev/null || DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -f install -y -qq >/dev/null
dpkg-query -W -f='${Status}\n' umbrant | grep -q 'install ok installed' || fail "the package did not install"

say "running the installed programs"
mkdir -p "$work/home"
cd "$work"
[ "$(command -v umbrant-cli)" = /usr/bin/umbrant-cli ] || fail "umbrant-cli is not /usr/bin/umbrant-cli on the PATH"
HOME=$work/home umbrant-cli verify-series | tee "$work/verified"
grep -q '/usr/share/umbrant/ are good' "$work/verified" || fail "umbrant-cli did not read /usr/share/umbrant"
# Stripping keeps the build ID, so the installed tool reads the eclipses
# stored by the build tree's.
installed_build=$(umbrant-cli --version | sed -n 's/^build ID //p')
[ -n "$installed_build" ] && [ "$installed_build" = "$("$build/bin/umbrant-cli" --version | sed -n 's/^build ID //p')" ] ||
    fail "the installed umbrant-cli has another build ID than the build tree's, and so reads no stored eclipses"
HOME=$work/home umbrant-cli besselian --date 2024-04-08 --format json >"$work/installed.json" 2>"$work/installed.err"
"$build/bin/umbrant-cli" besselian --date 2024-04-08 --format json >"$work/built.json"
cmp -s "$work/installed.json" "$work/built.json" && [ ! -s "$work/installed.err" ] ||
    fail "the installed program gives other Besselian elements than the build tree's: $(cat "$work/installed.err")"
HOME=$work/home umbrant-cli render -o "$work/installed.png"
"$build/bin/umbrant-cli" render -o "$work/built.png" >/dev/null
cmp -s "$work/installed.png" "$work/built.png" || fail "the installed program draws another map than the build tree's"
HOME=$work/home umbrant-cli animate --date 2024-04-08 --step 1200 --size 320x180 -o "$work/installed.gif" >/dev/null
[ -s "$work/installed.gif" ] || fail "the installed program wrote no animation"
[ "$(umbrant-cli --version | head -1)" = "umbrant-cli $version" ] || fail "umbrant-cli --version: $(umbrant-cli --version)"
[ "$(umbrant --version | head -1)" = "umbrant $version" ] || fail "umbrant --version: $(umbrant --version)"
umbrant --version | head -1
umbrant-cli --version | grep -q 'GPL version 3 or later' || fail "umbrant-cli --version does not name the licence"
grep -q '^License: GPL-3+' /usr/share/doc/umbrant/copyright || fail "the copyright file does not name the GPL"
grep -q '^License: CC-BY-4.0' /usr/share/doc/umbrant/copyright || fail "the copyright file does not name GeoNames' licence"
HOME=$work/home umbrant-cli local --date 2024-04-08 --place Dallas | grep -q 'CDT' || fail "umbrant-cli finds no Dallas in /usr/share/umbrant"

say "removing the package"
"${sudo[@]}" dpkg -r umbrant >/dev/null
installed=0
if dpkg-query -W -f='${Status}' umbrant 2>/dev/null | grep -q installed; then
    fail "umbrant is still installed"
fi
for path in /usr/bin/umbrant /usr/bin/umbrant-cli /usr/share/umbrant /usr/share/man/man1/umbrant.1.gz /usr/share/doc/umbrant \
            /usr/share/applications/umbrant.desktop /usr/share/mime/packages/umbrant.xml; do
    [ ! -e "$path" ] || fail "$path is left after dpkg -r"
done
say "the package installs, runs and removes cleanly"
