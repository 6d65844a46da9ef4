#!/usr/bin/env bash
# Brings a Debian machine to a built Umbrant with a filled data directory:
# installs the packages that are missing, builds, fetches the published
# series into the data directory (scripts/fetch-series.sh: copied from a local
# copy or downloaded, converted and checked), imports the maps and converts
# them, and computes every eclipse in advance. Every step is skipped when it
# is already done, so running it again costs little.
#
# Environment:
#   UMBRANT_BUILD_DIR    build tree (default: build beside this checkout's sources)
#   UMBRANT_SOURCES      directory of VSOP87C.ear and ELP1..ELP36
#                        (default: ../shared/sources beside the checkout)
#   UMBRANT_SOURCES_URL  an address serving those 37 files, used instead of
#                        their published distributions when there is no local copy
#   UMBRANT_MAPS         directory of the xygrib-maps files (default: /usr/share/maps/gshhs)
# Arguments are passed to cmake after the defaults, so that another build tree
# can be set up the same way with other options, e.g.
#   UMBRANT_BUILD_DIR=build-sanitize scripts/setup.sh -DUMBRANT_SANITIZE=ON
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${UMBRANT_BUILD_DIR:-$root/build}
sources=${UMBRANT_SOURCES:-$root/../shared/sources}
maps=${UMBRANT_MAPS:-/usr/share/maps/gshhs}
cmake_options=("$@")

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libxcb-xkb-dev libgl-dev libgtest-dev
          libgmock-dev libbenchmark-dev xvfb xauth xygrib-maps fonts-dejavu-core locales clang libclang-rt-14-dev
          curl dpkg-dev file nlohmann-json3-dev gdal-bin zlib1g-dev libdeflate-dev libgeographiclib-dev
          qt6-svg-dev libxml2-utils poppler-utils librsvg2-bin libgeonames-dev tzdata
          libavcodec-dev libavformat-dev libavfilter-dev libswscale-dev)

say() { printf '== %s\n' "$*"; }

install_packages() {
    local missing=() package
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    say "installing ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
}

# A locale whose decimal separator is a comma, so that the tests can check
# that reading numbers does not depend on the user's regional settings.
generate_test_locale() {
    locale -a 2>/dev/null | grep -qi '^fr_FR.utf-\?8$' && return
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" localedef -i fr_FR -f UTF-8 fr_FR.UTF-8 || echo "setup: no fr_FR locale; the locale test will be skipped" >&2
}

build_program() {
    say "building in $build"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DUMBRANT_WARNINGS_AS_ERRORS=ON \
        "-DUMBRANT_SOURCES_DIR=$sources" "${cmake_options[@]}" >/dev/null
    cmake --build "$build" --parallel "$(nproc)"
}

fill_data_directory() {
    local data=$build/bin/data cli=$build/bin/umbrant-cli
    UMBRANT_CLI=$cli UMBRANT_SOURCES=$sources "$root/scripts/fetch-series.sh" "$data"
    if [ ! -f "$data/gshhs_i.dat" ] || [ ! -f "$data/frontier.dat" ] || [ ! -f "$data/fleuves.dat" ]; then
        say "importing the maps from $maps and converting them"
        "$cli" import-maps --from "$maps" --data "$data"
        "$cli" convert maps --data "$data"
    fi
    # Every eclipse of -1999..3000 computed in advance for the commands of a
    # date; done again only when this build or the series changed.
    say "storing the eclipses of every date for this build (a few seconds, once per build)"
    "$cli" convert eclipses --data "$data" >/dev/null
}

install_packages
generate_test_locale
build_program
fill_data_directory
