#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite without a display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${TESSELWICK_BUILD_DIR:-$root/build}"

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --timeout 300
