#!/usr/bin/env bash
# Runs a command while one busy loop a core keeps every core loaded, at the
# same priority as the command, and ends the loops with it. A test that only
# passes on an idle machine fails here.
# Usage: scripts/under-load.sh <command...>
#   scripts/under-load.sh ./scripts/run-tests.sh
#   scripts/under-load.sh ctest --test-dir build-sanitize --output-on-failure
set -euo pipefail
[[ $# -gt 0 ]] || { echo "usage: $0 <command...>" >&2; exit 2; }

loops=()
stop_loops() { [[ ${#loops[@]} -gt 0 ]] && kill "${loops[@]}" 2>/dev/null || true; }
trap stop_loops EXIT
for _ in $(seq "$(nproc)"); do
    bash -c 'while :; do :; done' &
    loops+=($!)
done
echo "== $(nproc) busy loops running: ${loops[*]}"
"$@"
