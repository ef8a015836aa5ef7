#!/usr/bin/env bash
# Start-up time of the editor against the smallest Qt Widgets program (one
# empty main window), as whole processes on a private X server: from the
# start to the first window mapped, wall and CPU time, the programs taking
# turns, after one unmeasured start of each. The same empty window with a
# menu bar is measured beside them: what showing any text costs on its own.
# Then the resident memory of the editor and the empty window at rest, three
# seconds after the window is mapped.
# Usage: bench/startup_time.sh [runs] [build folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
build=${2:-$root/build}
editor=$build/bin/tesselwick
minimal=$build/bench/minimal_window
menu=$build/bench/menu_window
timer=$build/bench/time_to_window
for program in "$editor" "$minimal" "$menu" "$timer"; do
    [[ -x "$program" ]] || { echo "$program is missing: build with -DTESSELWICK_BUILD_BENCH=ON" >&2; exit 1; }
done

# The private X server and the program on it.
source "$root/tests/e2e/xsession.sh"
start_x_server
export QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96
unset QT_QPA_PLATFORMTHEME

"$timer" "$editor" >/dev/null
"$timer" "$minimal" >/dev/null
"$timer" "$menu" >/dev/null
for _ in $(seq "$runs"); do
    "$timer" "$editor" >>"$work/editor"
    "$timer" "$minimal" >>"$work/minimal"
    "$timer" "$menu" >>"$work/menu"
done

# median <file> <column>
median() { cut -d' ' -f"$2" "$1" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
editor_wall=$(median "$work/editor" 1) editor_cpu=$(median "$work/editor" 2)
minimal_wall=$(median "$work/minimal" 1) minimal_cpu=$(median "$work/minimal" 2)
menu_wall=$(median "$work/menu" 1) menu_cpu=$(median "$work/menu" 2)
echo "start to window mapped, median of $runs runs each:"
printf '  %-16s wall %7.1f ms   CPU %7.1f ms\n' editor "$editor_wall" "$editor_cpu" \
    "empty window" "$minimal_wall" "$minimal_cpu" "with a menu bar" "$menu_wall" "$menu_cpu"
awk -v ew="$editor_wall" -v mw="$minimal_wall" -v ec="$editor_cpu" -v mc="$minimal_cpu" \
    'BEGIN { printf "  ratio            wall %7.2fx     CPU %7.2fx   (goal: within 1.30x)\n", ew / mw, ec / mc }'
awk -v ew="$editor_wall" -v mw="$menu_wall" -v ec="$editor_cpu" -v mc="$menu_cpu" \
    'BEGIN { printf "  ratio to the window with a menu bar: wall %.2fx, CPU %.2fx\n", ew / mw, ec / mc }'

read -r _ _ editor_rss < <("$timer" --rest 3 "$editor")
read -r _ _ minimal_rss < <("$timer" --rest 3 "$minimal")
awk -v e="$editor_rss" -v m="$minimal_rss" 'BEGIN {
    printf "resident at rest: editor %.1f MiB (its canvas: 32.0 MiB allocated, resident where drawn); empty window %.1f MiB\n", e / 1024, m / 1024 }'
