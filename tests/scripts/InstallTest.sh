#!/usr/bin/env bash
# The installed layout: "cmake --install" into a scratch prefix puts the
# programs in bin/, the data in share/umbrant/ and the manual pages in
# share/man/man1/; the installed umbrant-cli finds its data there (nothing
# beside it, an empty home) and computes what the build tree's does.
#
# Usage: InstallTest.sh BUILD_DIRECTORY
# Exit status 77 (skipped) when the build's data directory is not filled.
set -euo pipefail

build=$1
for image in VSOP87.dat Elp2000.dat Nutation.dat gshhs_i.dat frontier.dat fleuves.dat places.dat Eclipses.dat manifest.txt; do
    [ -f "$build/bin/data/$image" ] || { echo "no $image in $build/bin/data: skipped"; exit 77; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/umbrant-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
mkdir -p "$work/home"

failures=0
check() {
    local description=$1
    shift
    if "$@"; then echo "ok    $description"; else echo "FAIL  $description"; failures=$((failures + 1)); fi
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log"
installed() { HOME=$work/home XDG_DATA_HOME= "$prefix/bin/umbrant-cli" "$@"; }

check "umbrant-cli is in bin/" test -x "$prefix/bin/umbrant-cli"
check "the eight images and their manifest are in share/umbrant/" test "$(ls "$prefix/share/umbrant" | wc -l)" -eq 9
check "the licences are in share/doc/umbrant/copyright" grep -q '^License: CC-BY-4.0' "$prefix/share/doc/umbrant/copyright"
check "no data directory beside the programs" test ! -e "$prefix/bin/data"
check "the manual pages are in share/man/man1/" test -f "$prefix/share/man/man1/umbrant.1.gz" -a -f "$prefix/share/man/man1/umbrant-cli.1.gz"
check "the manual page carries the version" sh -c "gzip -dc '$prefix/share/man/man1/umbrant-cli.1.gz' | grep -q 'Umbrant $("$build/bin/umbrant-cli" --version | head -1 | cut -d' ' -f2)'"
if [ -f "$build/bin/umbrant" ]; then
    check "umbrant is in bin/" test -x "$prefix/bin/umbrant"
    check "the desktop entry is installed" test -f "$prefix/share/applications/umbrant.desktop"
fi

check "the installed tool reads share/umbrant (verify-series)" sh -c \
    "HOME='$work/home' XDG_DATA_HOME= '$prefix/bin/umbrant-cli' verify-series | grep -q '$prefix/share/umbrant/ are good'"
date=(--date 2006-03-29T10:11:17.9 --delta-t 64.9)
check "its ephemeris is the build tree's" test "$(installed ephemeris "${date[@]}")" = \
    "$("$build/bin/umbrant-cli" ephemeris "${date[@]}")"
check "its eclipse of a date is the build tree's" test "$(installed besselian --date 2024-04-08 2>&1)" = \
    "$("$build/bin/umbrant-cli" besselian --date 2024-04-08 2>&1)"
installed render -o "$work/installed.png" --size 640x400 >/dev/null
"$build/bin/umbrant-cli" render -o "$work/built.png" --size 640x400 >/dev/null
check "its map is the build tree's" cmp -s "$work/installed.png" "$work/built.png"
check "it finds the towns in share/umbrant" sh -c "HOME='$work/home' XDG_DATA_HOME= '$prefix/bin/umbrant-cli' local --date 2024-04-08 --place Dallas | grep -q 'Dallas, Texas'"

# Conversions without --data go to the data directory when it may be
# written, to the user's own when not (root may write anywhere).
chmod a-w "$prefix/share/umbrant"
installed write-nutation-table >/dev/null
chmod u+w "$prefix/share/umbrant"
if [ "$(id -u)" -eq 0 ]; then
    check "a conversion by root writes into share/umbrant" test -f "$prefix/share/umbrant/Nutation.txt"
else
    check "a conversion beside a read-only share/umbrant writes into ~/.local/share/umbrant" \
        test -f "$work/home/.local/share/umbrant/Nutation.txt" -a ! -e "$prefix/share/umbrant/Nutation.txt"
fi

[ $failures -eq 0 ]
