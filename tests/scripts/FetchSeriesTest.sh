#!/usr/bin/env bash
# Set-up anywhere: scripts/fetch-series.sh, copied into a clean checkout that
# has no ../shared, downloads the series from a local HTTP mirror
# (UMBRANT_SOURCES_URL), fills the data directory, refuses a truncated or
# altered file by name, and says clearly when nothing can be reached.
#
# Usage: FetchSeriesTest.sh SOURCE_ROOT UMBRANT_CLI PUBLISHED_SOURCES BUILT_DATA
# Exit status 77 (skipped) without python3 or without the published series.
set -euo pipefail

source_root=$1 cli=$2 published=$3 built_data=$4
command -v python3 >/dev/null || { echo "python3 absent: skipped"; exit 77; }
[ -f "$published/VSOP87C.ear" ] || { echo "no published series in $published: skipped"; exit 77; }

work=$(mktemp -d "${TMPDIR:-/tmp}/umbrant-fetch-series.XXXXXX")
server=
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
check() { # description, then the command that must succeed
    local description=$1
    shift
    if "$@"; then echo "ok    $description"; else echo "FAIL  $description"; failures=$((failures + 1)); fi
}

# A clean checkout: the script alone, nothing beside it.
mkdir -p "$work/clone/scripts"
cp "$source_root/scripts/fetch-series.sh" "$work/clone/scripts/"

# The mirror serves the 37 files side by side; VSOP87C.ear with DOS line
# endings, as some mirrors serve it, which the checks must accept.
mirror=$work/mirror
mkdir -p "$mirror"
cp "$published"/ELP* "$mirror/"
sed 's/$/\r/' "$published/VSOP87C.ear" >"$mirror/VSOP87C.ear"

python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$mirror" >"$work/server.log" 2>&1 &
server=$!
port=
for _ in $(seq 100); do
    port=$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$work/server.log" | head -1)
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || { echo "the HTTP server did not start"; cat "$work/server.log"; exit 1; }
url=http://127.0.0.1:$port

fetch_from() { # address, data directory; output in $work/out, status in $status
    status=0
    env -u UMBRANT_SOURCES -u UMBRANT_BUILD_DIR UMBRANT_SOURCES_URL="$1" UMBRANT_CLI="$cli" \
        "$work/clone/scripts/fetch-series.sh" "$2" >"$work/out" 2>&1 || status=$?
}
fetch() { fetch_from "$url" "$1"; }
output_has() { grep -qF -- "$1" "$work/out"; }
same_file() { cmp -s "$1" "$2"; }

# 1. A good mirror fills the data directory with the images set-up makes.
fetch "$work/data"
cat "$work/out"
check "downloads, converts and checks the series (exit 0)" test "$status" -eq 0
check "reports the series good" output_has "are good"
for image in VSOP87.dat Elp2000.dat Nutation.dat; do
    if [ -f "$built_data/$image" ]; then
        check "$image is the image converted from the published copy" same_file "$work/data/$image" "$built_data/$image"
    else
        check "$image is made" test -s "$work/data/$image"
    fi
done
check "leaves no partial download" test -z "$(find "$work/data" -name '*.part*')"

# 2. A truncated file is refused by name and removed with its image.
head -c 100000 "$published/ELP10" >"$mirror/ELP10"
fetch "$work/data-truncated"
cat "$work/out"
check "refuses a truncated ELP10 (exit 1)" test "$status" -eq 1
check "names ELP10" output_has "ELP10"
check "removes ELP10 and the lunar image" test ! -e "$work/data-truncated/ELP10" -a ! -e "$work/data-truncated/Elp2000.dat"
check "keeps the good VSOP87C.ear" test -f "$work/data-truncated/VSOP87C.ear"
cp "$published/ELP10" "$mirror/ELP10"

# 3. An altered file (the amplitude of the Earth's main X term, 0.99986069925
#    made 0.99986069825) passes the term counts but not the check positions.
sed -e '2s/0\.99986069925/0.99986069825/2' "$published/VSOP87C.ear" >"$mirror/VSOP87C.ear"
check "the alteration took" test "$(cmp "$mirror/VSOP87C.ear" "$published/VSOP87C.ear" | wc -l)" -eq 1
fetch "$work/data-altered"
cat "$work/out"
check "refuses an altered VSOP87C.ear (exit 1)" test "$status" -eq 1
check "names VSOP87C.ear" output_has "VSOP87C.ear"
check "removes VSOP87C.ear and its image" test ! -e "$work/data-altered/VSOP87C.ear" -a ! -e "$work/data-altered/VSOP87.dat"

# 4. A mirror that answers an HTML page with status 200: the page is named
#    and removed, so that each new run fetches it again, and the run after
#    the mirror is mended ends with good series.
printf '<!DOCTYPE html>\n<html><body>Please sign in</body></html>\n' >"$mirror/VSOP87C.ear"
for run in 1 2; do
    fetch "$work/data-page"
    cat "$work/out"
    check "refuses a page served as VSOP87C.ear, run $run (exit 1)" test "$status" -eq 1
    check "names VSOP87C.ear and its first line, run $run" output_has "VSOP87C.ear: line 1:"
    check "removes the page, run $run" test ! -e "$work/data-page/VSOP87C.ear"
done
cp "$published/VSOP87C.ear" "$mirror/VSOP87C.ear"
fetch "$work/data-page"
cat "$work/out"
check "fetches the mended file and ends good (exit 0)" test "$status" -eq 0
check "the mended series are good" output_has "are good"

# 5. The address reaches curl as an address: one that curl would take for
#    options (here, a configuration that fetches into a file of its own
#    choosing) or one with blanks is refused before anything is fetched.
# (The script asks for ADDRESS/VSOP87C.ear first: there lies the configuration.)
mkdir -p "$work/options"
printf 'url = "file://%s/ELP1"\noutput = "%s/fetched-by-options"\n' "$published" "$work" >"$work/options/VSOP87C.ear"
for address in "-K$work/options" "-K $work/options" "$url/with space"; do
    fetch_from "$address" "$work/data-options"
    cat "$work/out"
    check "refuses the address '$address' (exit 1)" test "$status" -eq 1
    check "says what an address must be" output_has "without blanks"
done
# Read as options, the configuration would fetch ELP1 in place of VSOP87C.ear.
check "curl read no options from the address" test ! -e "$work/fetched-by-options" -a ! -e "$work/data-options/VSOP87C.ear"
check "nothing was fetched" test -z "$(find "$work/data-options" -name 'ELP*' -o -name '*.part' 2>/dev/null)"

# 6. Nothing reachable: the message names the address tried and the two
#    variables that point at a local copy.
kill "$server"
wait "$server" 2>/dev/null || true
server=
fetch "$work/data-offline"
cat "$work/out"
check "fails without a mirror (exit 1)" test "$status" -eq 1
check "names the address tried" output_has "$url/VSOP87C.ear"
check "names UMBRANT_SOURCES" output_has "UMBRANT_SOURCES="
check "names UMBRANT_SOURCES_URL" output_has "UMBRANT_SOURCES_URL="

[ $failures -eq 0 ]
