#!/usr/bin/env bash
# Sets up Umbrant if needed, then runs the whole test suite; then the same
# suite again built with AddressSanitizer and UndefinedBehaviorSanitizer, and
# every fuzz target for a short while on its committed corpus.
#
# Environment:
#   UMBRANT_BUILD_DIR           the normal build tree (default: build)
#   UMBRANT_SANITIZE_BUILD_DIR  the sanitized build tree (default: build-sanitize)
#   UMBRANT_FUZZ_SECONDS        time per fuzz target (default: 20, for a whole run of well under
#                               three quarters of an hour; 0 skips fuzzing)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${UMBRANT_BUILD_DIR:-$root/build}
sanitize_build=${UMBRANT_SANITIZE_BUILD_DIR:-$root/build-sanitize}
fuzz_seconds=${UMBRANT_FUZZ_SECONDS:-20}

"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"

# Any sanitizer report ends the process with a failure, leaks included; only
# leaks inside third-party libraries are suppressed (tests/sanitizer/).
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0
printf '== the test suite under AddressSanitizer and UndefinedBehaviorSanitizer\n'
# -O1 and line tables only: the sanitizers' own advice, and half the build
# time of -O2 -g over the command line's header libraries; reports still
# name the file and line.
UMBRANT_BUILD_DIR=$sanitize_build "$root/scripts/setup.sh" -DUMBRANT_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG"
ctest --test-dir "$sanitize_build" --output-on-failure --parallel "$(nproc)"

if [ "$fuzz_seconds" -gt 0 ]; then
    unset ASAN_OPTIONS UBSAN_OPTIONS
    "$root/scripts/fuzz.sh" "$fuzz_seconds"
fi
