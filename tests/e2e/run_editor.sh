#!/usr/bin/env bash
# End-to-end check of the real editor on a private X server: it starts with
# its title, paints a stroke with a held button, and Ctrl+Q ends it at once
# with the tile picker open.
# Usage: run_editor.sh <path/to/tesselwick>
set -euo pipefail
editor=$1

displayfile=$(mktemp)
Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$displayfile" 2>/dev/null &
xvfb=$!
editor_pid=
cleanup() {
    [[ -n "$editor_pid" ]] && kill "$editor_pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -f "$displayfile"
}
trap cleanup EXIT
for _ in $(seq 100); do [[ -s "$displayfile" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$displayfile")"

env -u QT_QPA_PLATFORMTHEME QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96 \
    "$editor" 2>/dev/null &
editor_pid=$!

window=
for _ in $(seq 100); do
    window=$(xdotool search --name '^Tesselwick \(v1\.0\) - Quorvane Labs$' 2>/dev/null | head -n 1) && [[ -n "$window" ]] && break
    sleep 0.1
done
[[ -n "$window" ]] || { echo "the main window did not appear"; exit 1; }

xdotool windowfocus --sync "$window"
xdotool key ctrl+t
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^Using Default TileSet$' >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool search --onlyvisible --name '^Using Default TileSet$' >/dev/null ||
    { echo "Show Tiles did not show the picker"; exit 1; }

# A stroke across the canvas with the button held.
xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" 60 100 mousedown 1
for x in 80 100 120 140; do xdotool mousemove --window "$window" "$x" 100; sleep 0.05; done
xdotool mouseup 1

xdotool windowfocus --sync "$window"
xdotool key ctrl+q
for _ in $(seq 50); do
    kill -0 "$editor_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$editor_pid" 2>/dev/null; then
    echo "Ctrl+Q did not end the editor"
    exit 1
fi
wait "$editor_pid"
status=$?
editor_pid=
exit "$status"
