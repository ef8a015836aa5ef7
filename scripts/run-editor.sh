#!/usr/bin/env bash
# Sets up, builds and starts the editor.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${TESSELWICK_BUILD_DIR:-$root/build}"

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target tesselwick
exec "$build/bin/tesselwick"
