#!/usr/bin/env bash
# End-to-end check of the preview and the image exports in the real editor on
# a private X server: Map Preview opens at 100 %, a zoom typed with Enter
# takes effect, "Create Image" writes the zoomed document through the save
# dialog, Esc closes the preview, and "Create Bitmap Image" writes the canvas.
# Usage: e2e_preview.sh <path/to/tesselwick>
set -euo pipefail
editor=$1

work=$(mktemp -d)
Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$work/display" 2>/dev/null &
xvfb=$!
editor_pid=
cleanup() {
    [[ -n "$editor_pid" ]] && kill "$editor_pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

env -u QT_QPA_PLATFORMTHEME QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96 \
    "$editor" 2>/dev/null &
editor_pid=$!

# Waits for a visible window with this exact title and prints its id.
window() {
    local id=
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) &&
            [[ -n "$id" ]] && break
        sleep 0.1
    done
    [[ -n "$id" ]] || { echo "no window \"$1\"" >&2; exit 1; }
    echo "$id"
}

# Width, height and bits a pixel of a bitmap file, from its header.
bitmap_header() {
    local width height bits
    width=$(od -An -tu4 -j18 -N4 "$1" | tr -d ' ')
    height=$(od -An -tu4 -j22 -N4 "$1" | tr -d ' ')
    bits=$(od -An -tu2 -j28 -N2 "$1" | tr -d ' ')
    echo "$(head -c 2 "$1") ${width}x${height}x${bits}"
}

# Saves through the save dialog under the given name and waits for the file.
save_as() {
    local dialog
    dialog=$(window 'Save Image File')
    xdotool windowfocus --sync "$dialog" type "$1"
    xdotool key Return
    for _ in $(seq 100); do [[ -s "$1" ]] && break; sleep 0.1; done
    [[ -s "$1" ]] || { echo "nothing written to $1" >&2; exit 1; }
}

main=$(window 'Tesselwick \(v1\.0\) - Quorvane Labs')
xdotool windowfocus --sync "$main" key ctrl+p
preview=$(window 'Tesselwick Map Preview')

# The zoom box has the focus: 50 and Enter halves the start-up map's canvas.
xdotool windowfocus --sync "$preview" key ctrl+a type 50
xdotool key Return
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$preview")"
# "Create Image" sits at 328, 4 in the control strip, 105 x 21 pixels.
xdotool mousemove "$((X + 380))" "$((Y + 14))" click 1
save_as "$work/zoomed"
header=$(bitmap_header "$work/zoomed")
[[ "$header" == "BM 2040x1016x24" ]] || { echo "Create Image wrote $header" >&2; exit 1; }

xdotool windowfocus --sync "$preview" key Escape
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^Tesselwick Map Preview$' >/dev/null 2>&1 || break
    sleep 0.1
done
if xdotool search --onlyvisible --name '^Tesselwick Map Preview$' >/dev/null 2>&1; then
    echo "Esc did not close the preview" >&2
    exit 1
fi

xdotool windowfocus --sync "$main" key ctrl+b
save_as "$work/canvas.bmp"
header=$(bitmap_header "$work/canvas.bmp")
[[ "$header" == "BM 4080x2032x24" ]] || { echo "Create Bitmap Image wrote $header" >&2; exit 1; }

xdotool windowfocus --sync "$main" key ctrl+q
for _ in $(seq 50); do
    kill -0 "$editor_pid" 2>/dev/null || break
    sleep 0.1
done
wait "$editor_pid"
status=$?
editor_pid=
exit "$status"
