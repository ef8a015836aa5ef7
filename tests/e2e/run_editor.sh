#!/usr/bin/env bash
# End-to-end check of the real editor on a private X server: it starts with
# its title, a tile picked in the tile picker and a stroke with a held button
# reach the screen, and Ctrl+Q asks about the changed map: Discard ends it at
# once with the tile picker open.
# Usage: run_editor.sh <path/to/tesselwick>
set -euo pipefail
editor=$1

source "$(dirname "$0")/xsession.sh"

start_x_server
start_editor "$editor"
window=$(window 'Tesselwick \(v1\.0\) - Quorvane Labs')

xdotool windowfocus --sync "$window" key ctrl+t
picker=$(window 'Using Default TileSet')
# Pick tile 128, a picture tile unlike the blank map's tile 0.
xdotool mousemove --window "$picker" 4 68 click 1

paint_row_1 "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
main_x=$X main_y=$Y
sleep 0.3

# What the screen shows: the painted cells hold the brush that the picker's
# preview shows, the cells below them still tile 0.
/usr/bin/import -window root "$work/shot.png"
pixels() { /usr/bin/convert "$work/shot.png" -crop "16x16+$1+$2" +repage -format '%#' info:; }
eval "$(xdotool getwindowgeometry --shell "$picker")"
brush=$(pixels $((X + 536)) $((Y + 72)))
blank=$(pixels $((main_x + canvas_x + 4 * 16)) $((main_y + canvas_y + 5 * 16)))
[[ "$brush" != "$blank" ]] || { echo "the picked tile looks like tile 0"; exit 1; }
for column in 2 3 4 5 6; do
    painted=$(pixels $((main_x + canvas_x + column * 16)) $((main_y + canvas_y + 16)))
    [[ "$painted" == "$brush" ]] || { echo "cell $column, 1 does not show the brush"; exit 1; }
done

quit_discarding "$window"
