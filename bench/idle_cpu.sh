#!/usr/bin/env bash
# Measures the editor's CPU use at rest: starts it on a private X server,
# lets it settle, then reads the process's CPU time over 10 seconds.
# Usage: bench/idle_cpu.sh [path/to/tesselwick]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
editor="${1:-$root/build/bin/tesselwick}"
seconds=10

displayfile=$(mktemp)
Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$displayfile" &
xvfb=$!
editor_pid=
cleanup() {
    [[ -n "$editor_pid" ]] && kill "$editor_pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -f "$displayfile"
}
trap cleanup EXIT
while [[ ! -s "$displayfile" ]]; do sleep 0.1; done

env -u QT_QPA_PLATFORMTHEME DISPLAY=":$(cat "$displayfile")" QT_QPA_PLATFORM=xcb \
    QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96 "$editor" 2>/dev/null &
editor_pid=$!
sleep 3

ticks() { awk '{ print $14 + $15 }' "/proc/$editor_pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$seconds"
after=$(ticks)
awk -v used=$((after - before)) -v hz="$hz" -v s="$seconds" \
    'BEGIN { printf "CPU time at rest: %.3f s over %d s = %.2f%% of one core\n", used / hz, s, 100 * used / hz / s }'
