#!/usr/bin/env bash
# Fills a data directory with the ephemeris series and their images:
#  - "Nutation.txt" is written from the program's own table (umbrant-cli
#    write-nutation-table), so the nutation never needs a download;
#  - VSOP87C.ear and ELP1..ELP36 are copied from a local copy when there is
#    one, downloaded from their published distributions otherwise;
#  - the series are converted, then checked by what they contain (term counts
#    and published check values, umbrant-cli verify-series), never by byte
#    sums, since mirrors differ in line endings. A file that fails is removed
#    with its image, and named.
# Set-up runs it on build/bin/data; it can be run alone on any data directory.
#
# Usage: scripts/fetch-series.sh DATA_DIRECTORY
# Environment:
#   UMBRANT_CLI          the umbrant-cli to run (default: build/bin/umbrant-cli,
#                        or the one of UMBRANT_BUILD_DIR)
#   UMBRANT_SOURCES      a directory holding VSOP87C.ear and ELP1..ELP36
#                        (default: ../shared/sources beside the checkout)
#   UMBRANT_SOURCES_URL  one address serving all 37 files side by side
#                        (http://, https://, ftp:// or file://, without blanks:
#                        write a space as %20), tried instead of the published
#                        distributions
# Exit status: 0 when the directory holds good series, 1 otherwise.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
[ $# -eq 1 ] || { echo "usage: $0 DATA_DIRECTORY" >&2; exit 2; }
data=${1%/}
cli=${UMBRANT_CLI:-${UMBRANT_BUILD_DIR:-$root/build}/bin/umbrant-cli}
sources=${UMBRANT_SOURCES:-$root/../shared/sources}

series_files=(VSOP87C.ear $(seq -f 'ELP%g' 1 36))
images=(VSOP87.dat Elp2000.dat Nutation.dat)

# The published distributions, tried in turn: the CDS catalogues (VSOP87 is
# VI/81, ELP 2000-82B is VI/79), then the IMCCE's ephemeris archive. Each
# entry is the address of VSOP87C.ear's directory, then that of ELP1..ELP36.
mirrors=(
    "https://cdsarc.cds.unistra.fr/ftp/VI/81 https://cdsarc.cds.unistra.fr/ftp/VI/79"
    "https://ftp.imcce.fr/pub/ephem/planets/vsop87 https://ftp.imcce.fr/pub/ephem/moon/elp82b"
    "ftp://ftp.imcce.fr/pub/ephem/planets/vsop87 ftp://ftp.imcce.fr/pub/ephem/moon/elp82b"
)

say() { printf '== %s\n' "$*"; }
fail() { printf 'setup: %s\n' "$@" >&2; exit 1; }

# An address reaches curl as an address and nothing else: one that starts
# with "-" would be read as options (a configuration file, an output), and
# one with blanks would be cut into several.
check_address() {
    local address=$1
    if [[ ! $address =~ ^(https?|ftp|file):// ]] || [[ $address =~ [[:space:][:cntrl:]] ]]; then
        fail "UMBRANT_SOURCES_URL must be an http://, https://, ftp:// or file:// address without blanks (write a space as %20), not '$address'"
    fi
}

if [ -n "${UMBRANT_SOURCES_URL:-}" ]; then
    check_address "$UMBRANT_SOURCES_URL"
    mirrors=("${UMBRANT_SOURCES_URL%/} ${UMBRANT_SOURCES_URL%/}")
fi

declare -A origin=()   # file name -> where this run took it from
tried=()               # "address: what went wrong", for the message
changed=0

copy_if_newer() {
    local from=$1 to=$2
    [ -f "$to" ] && ! [ "$from" -nt "$to" ] && return 1
    cp "$from" "$to"
}

copy_series() {
    local name
    for name in "${series_files[@]}"; do
        [ -f "$sources/$name" ] || fail "$sources holds VSOP87C.ear but not $name; complete it, or unset UMBRANT_SOURCES"
        if copy_if_newer "$sources/$name" "$data/$name"; then
            changed=1
            origin[$name]=$sources/$name
        fi
    done
}

url_of() {
    local mirror=$1 name=$2 vsop elp
    read -r vsop elp <<<"$mirror"
    if [ "$name" = VSOP87C.ear ]; then echo "$vsop/$name"; else echo "$elp/$name"; fi
}

# One file into $data/NAME through NAME.part, resumed when an earlier run
# left part of it from the same address (NAME.part.url remembers which).
download() {
    local url=$1 name=$2 part=$data/$2.part error status=0
    if [ -f "$part" ] && [ "$(cat "$part.url" 2>/dev/null)" != "$url" ]; then
        rm -f "$part" "$part.url"
    fi
    printf '%s\n' "$url" >"$part.url"
    error=$(fetch "$url" "$part") || status=$?
    # 33 and 36: the server cannot resume; start again from the beginning.
    if [ $status -eq 33 ] || [ $status -eq 36 ]; then
        rm -f "$part"
        status=0
        error=$(fetch "$url" "$part") || status=$?
    fi
    if [ $status -eq 0 ]; then
        mv "$part" "$data/$name"
        rm -f "$part.url"
        return 0
    fi
    [ -f "$part" ] || rm -f "$part.url"
    # curl repeats its message at each retry: the last one says it.
    tried+=("$url: ${error##*$'\n'}")
    return 1
}

# Only the schemes above, also after a redirection (which never leads to a
# local file).
fetch() {
    curl --fail --silent --show-error --location --retry 3 --retry-delay 2 --connect-timeout 20 \
         --proto =http,https,ftp,file --proto-redir =http,https,ftp \
         --continue-at - --output "$2" --url "$1" 2>&1
}

# Every file still missing, mirror after mirror; a mirror that fails one file
# is left for the next, which is asked for the rest.
download_series() {
    command -v curl >/dev/null || fail "curl is needed to download the series (apt-get install curl)"
    local mirror name
    for mirror in "${mirrors[@]}"; do
        for name in "${series_files[@]}"; do
            [ -f "$data/$name" ] && continue
            say "downloading $(url_of "$mirror" "$name")"
            download "$(url_of "$mirror" "$name")" "$name" || continue 2
            changed=1
            origin[$name]=$(url_of "$mirror" "$name")
        done
        return 0
    done
    missing_series_message
}

missing_series_message() {
    local missing=() name line
    for name in "${series_files[@]}"; do
        [ -f "$data/$name" ] || missing+=("$name")
    done
    {
        echo "setup: could not download the ephemeris series (${#missing[@]} of ${#series_files[@]} files missing, ${missing[0]} first)."
        echo "Addresses tried:"
        for line in "${tried[@]}"; do echo "  $line"; done
        echo "No local copy was found in $sources."
        echo "To use a copy of VSOP87C.ear and ELP1..ELP36 (CDS catalogues VI/81 and VI/79), set"
        echo "  UMBRANT_SOURCES=/directory/holding/them        or"
        echo "  UMBRANT_SOURCES_URL=https://host/path/to/them  (file:///directory/ works too)"
        echo "and run set-up again."
    } >&2
    exit 1
}

image_of() {
    case $1 in
        VSOP87C.ear) echo VSOP87.dat ;;
        Nutation.txt) echo Nutation.dat ;;
        *) echo Elp2000.dat ;;
    esac
}

needs_conversion() {
    local image
    [ $changed -eq 1 ] && return 0
    for image in "${images[@]}"; do
        [ -f "$data/$image" ] || return 0
    done
    [ "$data/Nutation.txt" -nt "$data/Nutation.dat" ]
}

# The series files to fetch again, from the reports of the conversion and of
# verify-series: each line "umbrant-cli: [CONVERTER: ]FILE: why", FILE a name
# or a path of the data directory. An image stands for its texts, as does
# "ELP1..ELP36"; the lunar texts go all together only when none is named.
failed_names() {
    local names name elp_named=0
    names=$(sed -n 's/^umbrant-cli: \(\(nutation\|vsop\|elp\): \)\{0,1\}\([^:]*\): .*/\3/p' | sed 's|.*/||' | sort -u)
    for name in $names; do
        case $name in ELP[0-9]*) elp_named=1 ;; esac
    done
    for name in $names; do
        case $name in
            VSOP87C.ear | VSOP87.dat) echo VSOP87C.ear ;;
            ELP[0-9]*) echo "$name" ;;
            ELP1..ELP36 | Elp2000.dat) [ $elp_named -eq 1 ] || printf '%s\n' "${series_files[@]:1}" ;;
        esac
    done | sort -u
}

convert_and_check() {
    local converted verified status=0 name removed=()
    say "converting the ephemeris series in $data"
    rm -f "${images[@]/#/$data/}"
    converted=$("$cli" convert ephemeris --data "$data" 2>&1) || status=1
    printf '%s\n' "$converted"
    verified=$("$cli" verify-series --data "$data" 2>&1) || status=1
    if [ $status -eq 0 ]; then
        printf '%s\n' "$verified"
        return 0
    fi
    printf '%s\n' "$verified" >&2
    for name in $(printf '%s\n%s\n' "$converted" "$verified" | failed_names); do
        echo "setup: $name failed its check (from ${origin[$name]:-an earlier run}); removed" >&2
        rm -f "$data/$name" "$data/$(image_of "$name")"
        removed+=("$name")
    done
    [ ${#removed[@]} -gt 0 ] || fail "the ephemeris series in $data are not usable, and no series file is named; see the messages above"
    fail "the ephemeris series in $data are not usable; run set-up again to fetch the removed files anew"
}

[ -x "$cli" ] || fail "$cli is not built yet: run scripts/setup.sh"
mkdir -p "$data"
if [ ! -f "$data/Nutation.txt" ] || [ "$cli" -nt "$data/Nutation.txt" ]; then
    "$cli" write-nutation-table --data "$data" >/dev/null
fi
if [ -f "$sources/VSOP87C.ear" ]; then
    copy_series
else
    download_series
fi
if needs_conversion; then
    convert_and_check
fi
