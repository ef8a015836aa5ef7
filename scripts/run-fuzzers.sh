#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for $TESSELWICK_FUZZ_SECONDS
# (60) seconds from its corpus in fuzz/corpus. A crash, a leak or a broken
# rule fails the run, and the input that did it is copied into the target's
# corpus as regression-<hash>, so every later run tries it first.
# Usage: scripts/run-fuzzers.sh [build folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${1:-$root/build-fuzz}"
seconds="${TESSELWICK_FUZZ_SECONDS:-60}"

configure=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUZZ=ON -DTESSELWICK_BUILD_TESTS=OFF)
command -v ccache >/dev/null && configure+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" "${configure[@]}"
cmake --build "$build" --target fuzz_mapfile fuzz_tileset fuzz_csvcells

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for target in mapfile tileset csvcells; do
    corpus="$root/fuzz/corpus/$target"
    mkdir -p "$work/$target/new" "$work/$target/findings"
    status=0
    # New inputs go to a scratch folder; the committed corpus stays as it is.
    # -keep_seed keeps one seed of every picture format to mutate from.
    QT_QPA_PLATFORM=offscreen "$build/fuzz/fuzz_$target" -max_total_time="$seconds" \
        -keep_seed=1 -print_final_stats=1 -artifact_prefix="$work/$target/findings/" \
        "$work/$target/new" "$corpus" >"$work/$target/log" 2>&1 || status=$?
    executions=$(awk '/stat::number_of_executed_units/ { print $2 }' "$work/$target/log")
    findings=0
    for finding in "$work/$target/findings"/*; do
        [[ -e "$finding" ]] || continue
        findings=$((findings + 1))
        cp "$finding" "$corpus/regression-$(sha1sum "$finding" | cut -c1-16)"
    done
    echo "fuzz_$target: ${executions:-0} executions in $seconds s, $findings findings"
    if [[ $status -ne 0 || $findings -ne 0 ]]; then
        failed=1
        grep -A40 -E '^==[0-9]+==|SUMMARY|deadly signal' "$work/$target/log" | head -80 >&2 || true
        echo "fuzz_$target failed; its input is in $corpus as a regression case" >&2
    fi
done
exit "$failed"
