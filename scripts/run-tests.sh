#!/usr/bin/env bash
# Sets up, builds and runs every check without a display:
#  1. the test suite, with the benchmarks compiled beside it;
#  2. the test suite again, built with AddressSanitizer and
#     UndefinedBehaviorSanitizer (any report fails it);
#  3. each fuzz target for a minute from its corpus (scripts/run-fuzzers.sh).
# Build folders: $TESSELWICK_BUILD_DIR (build), build-sanitize, build-fuzz.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${TESSELWICK_BUILD_DIR:-$root/build}"
sanitize_build="$build-sanitize"
fuzz_build="$build-fuzz"
started=$SECONDS
trap 'echo "== run-tests.sh took $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"' EXIT

step() { echo "== $* ($(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s in)"; }

# Prints from the suite's log what the log of a passing test does not show:
# the random run's seed and length, the kill test's kills, and the
# permission rows, which as root must run, not skip (tests/support/
# unprivileged.sh runs their programs as another user).
report() {
    local log="$1/Testing/Temporary/LastTest.log"
    grep -ohE '(random run|kill test): .*' "$log" || true
    grep -E '^(PASS|SKIP|FAIL!) .*(permission|read-only)' "$log" || true
    if grep -qE '^SKIP .*permissions do not stop' "$log"; then
        echo "permission rows were skipped" >&2
        return 1
    fi
}

"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
configure=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo)
command -v ccache >/dev/null && configure+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

step "Build with tests and benchmarks"
cmake -S "$root" -B "$build" "${configure[@]}" -DTESSELWICK_BUILD_BENCH=ON
cmake --build "$build"
# Tests run side by side, one a core: each has folders of its own and none
# depends on how fast it runs. The limits only end a hang.
jobs=$(nproc)
step "Test suite"
ctest --test-dir "$build" --output-on-failure --timeout 600 -j "$jobs"
report "$build"

step "Build with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$sanitize_build" "${configure[@]}" -DSANITIZE=ON
cmake --build "$sanitize_build"
step "Test suite under the sanitizers"
ctest --test-dir "$sanitize_build" --output-on-failure --timeout 1200 -j "$jobs"
report "$sanitize_build"

step "Fuzz targets"
"$root/scripts/run-fuzzers.sh" "$fuzz_build"
step "All checks passed"
