#!/usr/bin/env bash
# End-to-end check of Import Picture in the real editor on a private X server:
# Ctrl+Shift+I asks for a picture, the canvas then shows exactly the picture,
# and Ctrl+U opens the Tile Usage window beside it.
# Usage: run_import_picture.sh <path/to/tesselwick>
set -euo pipefail
editor=$1
source "$(dirname "$0")/xsession.sh"

# A picture of 4 x 2 tiles, three of them different.
picture="$work/level.png"
/usr/bin/convert -size 64x32 xc:'#203040' \
    -fill '#e0c040' -draw 'rectangle 16,0 31,15' -draw 'rectangle 48,16 63,31' \
    -fill '#40a060' -draw 'rectangle 0,16 7,31' "$picture"
# All but the first tile, where the canvas draws the outline of the cell
# under the pointer.
pixels() { /usr/bin/convert "$picture" -crop 48x32+16+0 +repage -depth 8 rgb:- | md5sum; }

start_x_server
start_editor "$editor"
main=$(window 'Tesselwick \(v1\.0\) - Quorvane Labs')

press_until "$main" ctrl+shift+i 'Import Picture' || { echo "Ctrl+Shift+I asked for no picture" >&2; exit 1; }
dialog=$(window 'Import Picture')
xdotool windowfocus --sync "$dialog" type "$picture"
xdotool key Return

# The canvas starts at 18, 58 of the 673-pixel-high client area, below the
# menu bar. Its top-left 64 x 32 pixels are the picture once it is imported.
eval "$(xdotool getwindowgeometry --shell "$main")"
canvas_x=$((X + 18))
canvas_y=$((Y + HEIGHT - 673 + 58))
canvas() {
    /usr/bin/import -window root -crop "48x32+$((canvas_x + 16))+$canvas_y" +repage -depth 8 rgb:- | md5sum
}
expected=$(pixels)
shows_picture() { [[ "$(canvas)" == "$expected" ]]; }
wait_for 20 shows_picture || { echo "the canvas does not show the picture" >&2; exit 1; }

press_until "$main" ctrl+u 'Tile Usage' || { echo "Ctrl+U did not open Tile Usage" >&2; exit 1; }

# The import is one step of the history: undoing it brings back the map as
# it was at start, with nothing unsaved, so Ctrl+Q ends the editor at once.
xdotool windowfocus --sync "$main" key ctrl+z
import_taken_back() { [[ "$(canvas)" != "$expected" ]]; }
wait_for 20 import_taken_back ||
    { echo "Ctrl+Z did not take the import back" >&2; exit 1; }
quit_editor "$main"
