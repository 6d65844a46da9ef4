#!/usr/bin/env bash
# Brings a Debian machine to a built Umbrant with a filled data directory:
# installs the packages that are missing, builds, copies the published inputs
# into the data directory and runs the converters. Every step is skipped when
# it is already done, so running it again costs little.
#
# Environment:
#   UMBRANT_BUILD_DIR  build tree (default: build beside this checkout's sources)
#   UMBRANT_SOURCES    directory of VSOP87C.ear, ELP1..ELP36 and Nutation.txt
#                      (default: ../shared/sources beside the checkout)
#   UMBRANT_MAPS       directory of the xygrib-maps files (default: /usr/share/maps/gshhs)
# Arguments are passed to cmake after the defaults, so that another build tree
# can be set up the same way with other options, e.g.
#   UMBRANT_BUILD_DIR=build-sanitize scripts/setup.sh -DUMBRANT_SANITIZE=ON
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${UMBRANT_BUILD_DIR:-$root/build}
sources=${UMBRANT_SOURCES:-$root/../shared/sources}
maps=${UMBRANT_MAPS:-/usr/share/maps/gshhs}
cmake_options=("$@")

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth xygrib-maps fonts-dejavu-core locales clang libclang-rt-14-dev zlib1g-dev)

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

copy_if_newer() {
    local from=$1 to=$2
    [ -f "$to" ] && ! [ "$from" -nt "$to" ] && return 1
    cp "$from" "$to"
}

fill_data_directory() {
    local data=$build/bin/data cli=$build/bin/umbrant-cli changed=0 name
    mkdir -p "$data"
    if [ ! -f "$sources/VSOP87C.ear" ]; then
        echo "setup: no published inputs in $sources; set UMBRANT_SOURCES (see README.md)" >&2
        exit 1
    fi
    for name in VSOP87C.ear Nutation.txt $(seq -f 'ELP%g' 1 36); do
        copy_if_newer "$sources/$name" "$data/$name" && changed=1
    done
    if [ $changed -eq 1 ] || [ ! -f "$data/Elp2000.dat" ] || [ ! -f "$data/VSOP87.dat" ] || [ ! -f "$data/Nutation.dat" ]; then
        say "converting the ephemeris series"
        "$cli" convert ephemeris --data "$data"
    fi
    if [ ! -f "$data/gshhs_i.dat" ] || [ ! -f "$data/frontier.dat" ] || [ ! -f "$data/fleuves.dat" ]; then
        say "importing the maps from $maps and converting them"
        "$cli" import-maps --from "$maps" --data "$data"
        "$cli" convert maps --data "$data"
    fi
}

install_packages
generate_test_locale
build_program
fill_data_directory
