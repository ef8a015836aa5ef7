#!/usr/bin/env bash
# Measures the editor's CPU use at rest: starts it on a private X server,
# waits for its main window and lets it settle, then reads the process's CPU
# time over 10 seconds.
# Usage: bench/idle_cpu.sh [path/to/tesselwick]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
editor="${1:-$root/build/bin/tesselwick}"
seconds=10
source "$root/tests/e2e/xsession.sh"

start_x_server
start_editor "$editor"
window 'Tesselwick \(v1\.0\) - Quorvane Labs' >/dev/null
sleep 2

ticks() { awk '{ print $14 + $15 }' "/proc/$editor_pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$seconds"
after=$(ticks)
awk -v used=$((after - before)) -v hz="$hz" -v s="$seconds" \
    'BEGIN { printf "CPU time at rest: %.3f s over %d s = %.2f%% of one core\n", used / hz, s, 100 * used / hz / s }'
