#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang and runs each on a
# copy of its committed corpus, so that nothing is written into the checkout.
# Any sanitizer report or crash fails the run; the finding is kept in the
# work directory and its path printed.
#
#   scripts/fuzz.sh [SECONDS [TARGET...]]   (default: 30 s, every target)
#
# Environment:
#   UMBRANT_FUZZ_BUILD_DIR  build tree (default: build-fuzz beside the sources)
#   UMBRANT_SOURCES         the published series, as for setup.sh
#   UMBRANT_FUZZ_WORK       where corpora and findings go (default: a new temporary directory)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${UMBRANT_FUZZ_BUILD_DIR:-$root/build-fuzz}
sources=${UMBRANT_SOURCES:-$root/../shared/sources}
seconds=${1:-30}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    mapfile -t targets < <(cd "$root/tests/fuzz/corpus" && ls)
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0}
export QT_QPA_PLATFORM=offscreen

say() { printf '== %s\n' "$*"; }

say "building the fuzz targets in $build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -gline-tables-only -DNDEBUG" \
    -DUMBRANT_FUZZ=ON -DUMBRANT_BUILD_APP=OFF -DUMBRANT_BUILD_TESTS=OFF "-DUMBRANT_SOURCES_DIR=$sources" >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"

work=${UMBRANT_FUZZ_WORK:-$(mktemp -d "${TMPDIR:-/tmp}/umbrant-fuzz.XXXXXX")}
failed=()
for target in "${targets[@]}"; do
    mkdir -p "$work/$target/corpus" "$work/$target/findings"
    cp "$root/tests/fuzz/corpus/$target/"* "$work/$target/corpus/"
    say "fuzzing $target for $seconds s"
    if "$build/bin/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/$target/findings/" "$work/$target/corpus" >"$work/$target/log" 2>&1; then
        # The last status line: runs, coverage, features, executions per second.
        grep -E '^#[0-9]+.*cov: ' "$work/$target/log" | tail -n 1 | cut -c1-120 || true
    else
        tail -n 40 "$work/$target/log"
        echo "fuzz: $target found a fault; log and input in $work/$target" >&2
        failed+=("$target")
    fi
done
echo "fuzz: $((${#targets[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzz: failed: ${failed[*]}" >&2
    exit 1
fi
[ -n "${UMBRANT_FUZZ_WORK:-}" ] || rm -rf "$work"
say "every fuzz target ran ${seconds} s without a finding"
