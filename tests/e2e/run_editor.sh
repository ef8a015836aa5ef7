#!/usr/bin/env bash
# End-to-end check of the real editor on a private X server: it starts with
# its title, a tile picked in the tile picker reaches the screen with one
# click on the map and with a stroke of a held button, and Ctrl+Q asks about
# the changed map: Discard ends it at once with the tile picker open. The
# click is checked twice: with no window manager, where a click activates no
# window, and under openbox, where the pick leaves the picker active.
# Usage: run_editor.sh <path/to/tesselwick>
set -euo pipefail
editor=$1

source "$(dirname "$0")/xsession.sh"

# square <x> <y>: the pixels of the screen's 16 x 16 square at x, y, less
# its border, where the red outline of the cell under the pointer is drawn.
square() { /usr/bin/import -window root -crop "14x14+$(($1 + 1))+$(($2 + 1))" +repage -depth 8 rgb:- | md5sum; }

# The client area is 673 pixels high below the menu bar; the canvas starts at
# 18, 58 in it, within the viewport's border.
canvas_x=18
# place <window id>: "left top height" of the window's inside on the screen,
# where it stands now (a window manager may move it). xwininfo, as xdotool's
# geometry is off by the frame under a window manager.
place() {
    xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left [XY]: *//p; s/^ *Height: *//p' | tr '\n' ' '
}
# cell <column> <row>, preview: the squares of a map cell and of the picker's
# preview.
cell() {
    local x y height
    read -r x y height < <(place "$window")
    square $((x + canvas_x + $1 * 16)) $((y + height - 673 + 58 + $2 * 16))
}
preview() {
    local x y height
    read -r x y height < <(place "$picker")
    square $((x + 536)) $((y + 72))
}
# on_cell <column> <row>: the pointer's place for that cell, in the main window.
on_cell() {
    local x y height
    read -r x y height < <(place "$window")
    echo $((canvas_x + $1 * 16 + 8)) $((height - 673 + 58 + $2 * 16 + 8))
}
# shows_brush <column> <row>: the cell shows what the picker's preview shows.
shows_brush() { [[ "$(cell "$1" "$2")" == "$brush" ]]; }
picker_active() { [[ "$(xdotool getactivewindow)" == "$picker" ]]; }

# pick_then_click: opens the picker, picks tile 128 (a picture tile unlike the
# blank map's tile 0) and clicks once on cell 2, 1, which then shows it. The
# press acts at once and paints its own cell, not the tile's place on the
# sheet (cell 0, 4 for tile 128).
pick_then_click() {
    press_until "$window" ctrl+t 'Using Default TileSet' || { echo "Ctrl+T did not open the picker"; exit 1; }
    picker=$(window 'Using Default TileSet')
    blank=$(cell 4 5)
    xdotool mousemove --window "$picker" 4 68 click 1
    preview_is_picked() { [[ "$(preview)" != "$blank" ]]; }
    wait_for 60 preview_is_picked || { echo "the picked tile looks like tile 0"; exit 1; }
    brush=$(preview)
    if [[ -n "$wm_pid" ]]; then
        wait_for 20 picker_active || { echo "the pick did not make the picker active"; exit 1; }
    fi
    xdotool mousemove --window "$window" $(on_cell 2 1) click 1
    wait_for 60 shows_brush 2 1 || { echo "one click did not paint cell 2, 1"; exit 1; }
    [[ "$(cell 0 4)" == "$blank" ]] || { echo "the click painted the picked tile's sheet place"; exit 1; }
}

start_x_server
start_editor "$editor"
window=$(window 'Tesselwick \(v1\.0\) - Quorvane Labs')
pick_then_click

# A stroke with the button held paints on the timer's ticks, not on the
# press: the pointer stays on each cell until the screen shows it painted.
xdotool mousemove --window "$window" $(on_cell 3 1) mousedown 1
for column in 3 4 5 6 7; do
    xdotool mousemove --window "$window" $(on_cell "$column" 1)
    wait_for 60 shows_brush "$column" 1 || { echo "cell $column, 1 does not show the brush"; exit 1; }
done
xdotool mouseup 1

# The stroke stayed on its row: the cells below it still show tile 0.
for column in 2 3 4 5 6 7; do
    [[ "$(cell "$column" 2)" == "$blank" ]] || { echo "cell $column, 2 was painted"; exit 1; }
done

quit_discarding "$window"

stop_x_server
start_x_server
start_window_manager
start_editor "$editor"
wait_for 60 visible_window 'Tesselwick \(v1\.0\) - Quorvane Labs' || true
window=$(window 'Tesselwick \(v1\.0\) - Quorvane Labs')
pick_then_click
quit_discarding "$window"
