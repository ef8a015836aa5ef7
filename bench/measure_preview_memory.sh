#!/usr/bin/env bash
# Peak resident memory of the editor with the preview open at 200 %.
#
# Starts a private X server, runs the editor on its start-up map (255 x 127
# tiles, a 4080 x 2032 canvas), opens Map Preview, types 200 into the zoom box
# and reads VmHWM and VmRSS from /proc. With --export it then also saves the
# 200 % document with "Create Image" and reads the peak again.
#
# Usage: bench/measure_preview_memory.sh [--export] [build-dir]
# Needs xvfb and xdotool, which scripts/setup.sh installs.
set -euo pipefail

export_too=0
if [[ "${1:-}" == --export ]]; then
    export_too=1
    shift
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build="${1:-$root/build}"
source "$root/tests/e2e/xsession.sh"

start_x_server
start_editor "$build/bin/tesselwick"

memory() {
    awk -v what="$1" '/^VmHWM|^VmRSS/ { printf "%s %s %.1f MiB\n", what, $1, $2 / 1024 }' \
        "/proc/$editor_pid/status"
}

main=$(window 'Tesselwick \(v1\.0\) - Quorvane Labs')
sleep 1
memory "editor at start-up:"
xdotool windowfocus --sync "$main" key ctrl+p
preview=$(window 'Tesselwick Map Preview')
sleep 1
xdotool windowfocus --sync "$preview" key ctrl+a type 200
xdotool key Return
sleep 2
memory "preview at 200 %:"
[[ -n "${SHOT:-}" ]] && /usr/bin/import -window root "$SHOT"

if [[ $export_too == 1 ]]; then
    # "Create Image": the button sits at (328, 4) in the control strip.
    eval "$(xdotool getwindowgeometry --shell "$preview")"
    xdotool mousemove $((X + 380)) $((Y + 14)) click 1
    dialog=$(window 'Save Image File')
    xdotool windowfocus --sync "$dialog" type "$work/preview.bmp"
    xdotool key Return
    for _ in $(seq 100); do [[ -s "$work/preview.bmp" ]] && break; sleep 0.1; done
    sleep 1
    ls -l "$work/preview.bmp" | awk '{ printf "exported %s bytes\n", $5 }'
    memory "after Create Image at 200 %:"
fi
