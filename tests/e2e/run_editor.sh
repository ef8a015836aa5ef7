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

# A stroke along row 1 of the canvas, columns 2 to 7, with the button held.
# The client area is 673 pixels high below the menu bar; the canvas starts at
# 18, 58 in it, within the viewport's border.
eval "$(xdotool getwindowgeometry --shell "$window")"
main_x=$X main_y=$Y
canvas_x=18
canvas_y=$((HEIGHT - 673 + 58))
eval "$(xdotool getwindowgeometry --shell "$picker")"
picker_x=$X picker_y=$Y

# square <x> <y>: the pixels of the screen's 16 x 16 square at x, y, less
# its border, where the red outline of the cell under the pointer is drawn.
square() { /usr/bin/import -window root -crop "14x14+$(($1 + 1))+$(($2 + 1))" +repage -depth 8 rgb:- | md5sum; }
preview() { square $((picker_x + 536)) $((picker_y + 72)); }
cell() { square $((main_x + canvas_x + $1 * 16)) $((main_y + canvas_y + $2 * 16)); }

# The preview shows the picked tile once the click is handled.
blank=$(cell 4 5)
preview_is_picked() { [[ "$(preview)" != "$blank" ]]; }
wait_for 60 preview_is_picked ||
    { echo "the picked tile looks like tile 0"; exit 1; }
brush=$(preview)
# shows_brush <column> <row>: the cell shows what the picker's preview shows.
shows_brush() { [[ "$(cell "$1" "$2")" == "$brush" ]]; }

# Painting happens on the timer's ticks while the button is held, not on the
# press: the pointer stays on each cell until the screen shows it painted.
xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" $((canvas_x + 2 * 16 + 8)) $((canvas_y + 24)) mousedown 1
for column in 2 3 4 5 6 7; do
    xdotool mousemove --window "$window" $((canvas_x + column * 16 + 8)) $((canvas_y + 24))
    wait_for 60 shows_brush "$column" 1 || { echo "cell $column, 1 does not show the brush"; exit 1; }
done
xdotool mouseup 1

# The stroke stayed on its row: the cells below it still show tile 0.
for column in 2 3 4 5 6 7; do
    [[ "$(cell "$column" 2)" == "$blank" ]] || { echo "cell $column, 2 was painted"; exit 1; }
done

quit_discarding "$window"
