#!/usr/bin/env bash
# End-to-end check of the drawing tools in the real editor on a private X
# server: two rectangle fills build a closed room, Select and Copy take it,
# Paste puts it elsewhere, a bucket fill fills the pasted room's inside only,
# and at 300 % one click paints the cell under the pointer. Each press on the
# map follows a pick in the tile picker or a key at once. Save Map
# writes the result, which is read back byte by byte.
# Usage: run_drawing_tools.sh <path/to/tesselwick>
set -euo pipefail
editor=$1
source "$(dirname "$0")/xsession.sh"

start_x_server
start_editor "$editor"
main=$(window 'Tesselwick \(v1\.0\) - Quorvane Labs')

# Keys and clicks go to the main window. X hands them to the editor in the
# order they are sent, and each is handled before the next, so none waits.
key() { xdotool windowfocus --sync "$main" key "$@"; }

press_until "$main" ctrl+t 'Using Default TileSet' || { echo "Ctrl+T did not open the picker" >&2; exit 1; }
picker=$(window 'Using Default TileSet')
pick() { # pick <tile>: a click on the tile in the picker's sheet
    xdotool mousemove --window "$picker" $(($1 % 32 * 16 + 8)) $(($1 / 32 * 16 + 8)) click 1
}

# The canvas starts at 18, 58 in the client area, which is 673 pixels high
# below the menu bar; cells are 16 pixels at 100 %.
eval "$(xdotool getwindowgeometry --shell "$main")"
canvas_x=18
canvas_y=$((HEIGHT - 673 + 58))
at() { echo $((canvas_x + $1 * $3 + $3 / 2)) $((canvas_y + $2 * $3 + $3 / 2)); }
# A press on the map acts at once, whichever window is active: right after a
# pick in the picker as after a key to the main window.
drag() { # drag <column> <row> <column> <row>, at 100 %
    xdotool mousemove --window "$main" $(at "$1" "$2" 16) mousedown 1
    xdotool mousemove --window "$main" $(at "$3" "$4" 16)
    xdotool mouseup 1
}
click() { # click <column> <row>, at 100 %
    xdotool mousemove --window "$main" $(at "$1" "$2" 16) click 1
}

# A room of tile 128 from cell 2, 2 to 8, 6 with a hollow of tile 0.
key p
pick 128
drag 2 2 8 6
pick 0
drag 3 3 7 5

# Select it, copy it, drop the selection (it would hold the bucket fill
# inside it), paste with the top-left corner on cell 20, 2.
key r
drag 2 2 8 6
key ctrl+shift+c
key Escape
key ctrl+v
xdotool mousemove --window "$main" $(at 19 2 16)
click 20 2

# Fill the pasted room's inside with tile 1.
key f
pick 1
click 23 4

# At 300 %, one click right after the pick paints cell 2, 1 with tile 5.
key ctrl+equal
key ctrl+equal
key b
eval "$(xdotool getwindowgeometry --shell "$main")"
middle() { # the 16 x 16 pixels in the middle of cell 2, 1 at 300 %
    /usr/bin/import -window root -crop "16x16+$((X + canvas_x + 2 * 48 + 16))+$((Y + canvas_y + 48 + 16))" \
        +repage -depth 8 rgb:- | md5sum
}
unpainted=$(middle)
painted() { [[ "$(middle)" != "$unpainted" ]]; }
pick 5
xdotool mousemove --window "$main" $(at 2 1 48) click 1
wait_for 60 painted || { echo "one click did not paint cell 2, 1" >&2; exit 1; }

# Esc in the question that Ctrl+Q asks about the changed map is Cancel: the
# question closes, the editor stays, and the save below holds every cell.
key ctrl+q
question=$(window 'Tesselwick')
xdotool windowfocus --sync "$question" key Escape
question_gone() { ! visible_window 'Tesselwick'; }
wait_for 20 question_gone || { echo "Esc did not close the question" >&2; exit 1; }
kill -0 "$editor_pid" || { echo "Esc in the question ended the editor" >&2; exit 1; }

key ctrl+s
dialog=$(window 'Save Map')
xdotool windowfocus --sync "$dialog" type "$work/drawn.map"
xdotool key Return
wait_for 10 test -s "$work/drawn.map" || { echo "Save Map wrote nothing" >&2; exit 1; }

cell() { od -An -tu1 -j $((4 + $2 * 256 + $1)) -N1 "$work/drawn.map" | tr -d ' '; }
expect() { # expect <column> <row> <tile>
    local got
    got=$(cell "$1" "$2")
    [[ "$got" == "$3" ]] || { echo "cell $1, $2 holds $got, not $3" >&2; exit 1; }
}
expect 2 2 128; expect 8 6 128; expect 5 4 0
expect 20 2 128; expect 26 6 128; expect 26 2 128
expect 21 3 1; expect 23 4 1; expect 25 5 1
expect 19 4 0; expect 27 4 0; expect 23 1 0; expect 23 7 0
expect 2 1 5; expect 1 1 0; expect 3 1 0

quit_editor "$main"
