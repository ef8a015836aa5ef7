#!/usr/bin/env bash
# End-to-end check of the preview and the image exports in the real editor on
# a private X server: Ctrl+P opens Map Preview, a zoom typed with Enter takes
# effect, "Create Image" writes the zoomed document through the save dialog,
# Esc closes the preview, and "Create Bitmap Image" writes the canvas.
# Usage: run_preview.sh <path/to/tesselwick>
set -euo pipefail
editor=$1
source "$(dirname "$0")/xsession.sh"

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
    wait_for 10 test -s "$1" || { echo "nothing written to $1" >&2; exit 1; }
}

start_x_server
start_editor "$editor"
main=$(window 'Tesselwick \(v1\.0\) - Quorvane Labs')

press_until "$main" ctrl+p 'Tesselwick Map Preview' || { echo "Ctrl+P did not open the preview" >&2; exit 1; }
preview=$(window 'Tesselwick Map Preview')

# The zoom box has the focus: 50 and Enter halves the start-up map's canvas.
xdotool windowfocus --sync "$preview" key ctrl+a type 50
# The zoom is laid out while the Return is handled, and X delivers the click
# below after it, so the click needs no wait of its own.
xdotool key Return
eval "$(xdotool getwindowgeometry --shell "$preview")"
# "Create Image" sits at 328, 4 in the control strip, 105 x 21 pixels.
xdotool mousemove "$((X + 380))" "$((Y + 14))" click 1
save_as "$work/zoomed"
header=$(bitmap_header "$work/zoomed")
[[ "$header" == "BM 2040x1016x24" ]] || { echo "Create Image wrote $header" >&2; exit 1; }

xdotool windowfocus --sync "$preview" key Escape
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Tesselwick Map Preview\$'" ||
    { echo "Esc did not close the preview" >&2; exit 1; }

xdotool windowfocus --sync "$main" key ctrl+b
save_as "$work/canvas.bmp"
header=$(bitmap_header "$work/canvas.bmp")
[[ "$header" == "BM 4080x2032x24" ]] || { echo "Create Bitmap Image wrote $header" >&2; exit 1; }

quit_editor "$main"
