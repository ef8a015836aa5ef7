#!/usr/bin/env bash
# End-to-end check of the recovery copy with the real editor on a private X
# server: an editor killed with SIGKILL after painting leaves a copy that the
# next start offers; Yes loads it, and the map saved then is what was
# painted. Two editors running at once each keep their own copy, and after
# both are killed each copy is offered once, at its own start.
# Usage: run_recovery.sh <path/to/tesselwick>
set -euo pipefail
editor=$1
source "$(dirname "$0")/xsession.sh"

copies=$work/data/Quorvane\ Labs/Tesselwick/recovery
main_title='Tesselwick \(v1\.0\) - Quorvane Labs'
other_pid=

cleanup_other() { [[ -n "$other_pid" ]] && kill -9 "$other_pid" 2>/dev/null || true; }
trap 'cleanup_other; xsession_cleanup' EXIT

# main_window_of <pid> <title pattern>: the id of that editor's visible
# window whose whole title matches.
main_window_of() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        xdotool getwindowname "$id" | grep -Eqx "$2" && { echo "$id"; return 0; }
    done
    return 1
}

wait_main_window() {
    wait_for 60 main_window_of "$1" "$2" || { echo "no main window of $1" >&2; cat "$work/editor.log" >&2; exit 1; }
    main_window_of "$1" "$2"
}

# pick_tile_128 <main window id> <pid>: opens that editor's picker, picks
# tile 128, a picture tile unlike the blank map's tile 0, and prints the
# picker's id.
pick_tile_128() {
    local picker
    xdotool windowfocus --sync "$1" key ctrl+t
    wait_for 20 main_window_of "$2" 'Using Default TileSet' || { echo "no tile picker" >&2; exit 1; }
    picker=$(main_window_of "$2" 'Using Default TileSet')
    xdotool mousemove --window "$picker" 4 68 click 1 >&2
    echo "$picker"
}

# paint_cell_2_1 <main window id> <picker id>: one click on cell (2, 1),
# right after the pick, then waits until the screen shows it painted with the
# picker's brush.
square() { /usr/bin/import -window root -crop "14x14+$(($1 + 1))+$(($2 + 1))" +repage -depth 8 rgb:- | md5sum; }
paint_cell_2_1() {
    local main_x main_y canvas_y picker_x picker_y canvas_x=18
    eval "$(xdotool getwindowgeometry --shell "$2")"
    picker_x=$X picker_y=$Y
    eval "$(xdotool getwindowgeometry --shell "$1")"
    main_x=$X main_y=$Y canvas_y=$((HEIGHT - 673 + 58))
    brush() { square $((picker_x + 536)) $((picker_y + 72)); }
    painted() { [[ "$(square $((main_x + canvas_x + 32)) $((main_y + canvas_y + 16)))" == "$(brush)" ]]; }
    local blank
    blank=$(square $((main_x + canvas_x + 64)) $((main_y + canvas_y + 80)))
    picked() { [[ "$(brush)" != "$blank" ]]; }
    wait_for 20 picked || { echo "the picked tile looks like tile 0" >&2; exit 1; }
    xdotool mousemove --window "$1" $((canvas_x + 2 * 16 + 8)) $((canvas_y + 24)) click 1
    wait_for 20 painted || { echo "one click did not paint cell 2, 1" >&2; exit 1; }
}

count_copies() { find "$copies" -name '*.recovery' 2>/dev/null | wc -l; }
has_copies() { [[ $(count_copies) -ge $1 ]]; }

# recover_and_save <name>: starts the editor, answers Yes to the recovery
# question, saves the map as <name> and ends the editor, which asks nothing.
recover_and_save() {
    start_editor "$editor"
    local box main dialog
    box=$(window 'Tesselwick')
    xdotool windowfocus --sync "$box" key Return
    main=$(wait_main_window "$editor_pid" "${main_title}\\*")
    xdotool windowfocus --sync "$main" key ctrl+s
    dialog=$(window 'Save Map')
    xdotool windowfocus --sync "$dialog" type "$1"
    xdotool key Return
    wait_for 10 test -s "$1" || { echo "nothing saved to $1" >&2; exit 1; }
    quit_editor "$main"
}

# The blank start-up map, and what differs from it in a saved map, one
# "offset old new" line a byte (offsets from 1, values in octal).
{ printf '\376\117\377\177'; head -c 32768 /dev/zero; } >"$work/blank.map"
changes() { cmp -l "$work/blank.map" "$1" || true; }

# Tile 128 in cell (2, 1), and nothing else.
is_stroke() { [[ "$(changes "$1" | awk '{ print $1, $2, $3 }')" == '263 0 200' ]]; }
# Fill Map with tile 128: every cell.
is_filled() {
    [[ $(changes "$1" | grep -cE '^ *[0-9]+ +0 +200$') -eq 32768 && $(changes "$1" | wc -l) -eq 32768 ]]
}

start_x_server

# One editor: paint a cell, wait for its copy, kill it.
start_editor "$editor"
main=$(wait_main_window "$editor_pid" "$main_title")
picker=$(pick_tile_128 "$main" "$editor_pid")
paint_cell_2_1 "$main" "$picker"
wait_for 120 has_copies 1 || { echo "no recovery copy was written" >&2; exit 1; }
kill -9 "$editor_pid"
wait "$editor_pid" 2>/dev/null || true
editor_pid=

recover_and_save "$work/one.map"
is_stroke "$work/one.map" || { echo "the recovered map is not what was painted"; changes "$work/one.map" | head; exit 1; }
[[ $(count_copies) -eq 0 ]] || { echo "copies left after a recovery and a clean end"; exit 1; }

# Two editors at once: a painted cell in the first, Fill Map in the second.
# The first paints before the second opens over it, so the pointer reaches
# the first's map.
start_editor "$editor"
first_pid=$editor_pid
first=$(wait_main_window "$first_pid" "$main_title")
picker=$(pick_tile_128 "$first" "$first_pid")
paint_cell_2_1 "$first" "$picker"
start_editor "$editor"
other_pid=$editor_pid
second=$(wait_main_window "$other_pid" "$main_title")
pick_tile_128 "$second" "$other_pid" >/dev/null
xdotool windowfocus --sync "$second" key ctrl+f
wait_for 120 has_copies 2 || { echo "the two editors did not keep two copies" >&2; exit 1; }
# Neither took the other's copy while both ran.
kill -0 "$first_pid" && kill -0 "$other_pid"
kill -9 "$first_pid" "$other_pid"
wait "$first_pid" "$other_pid" 2>/dev/null || true
editor_pid= other_pid=

recover_and_save "$work/a.map"
recover_and_save "$work/b.map"
if is_stroke "$work/a.map"; then
    is_filled "$work/b.map" || { echo "the second copy is not the filled map"; exit 1; }
else
    is_filled "$work/a.map" && is_stroke "$work/b.map" ||
        { echo "the recovered maps are not the two painted"; exit 1; }
fi
[[ $(count_copies) -eq 0 ]] || { echo "copies left after both were recovered"; exit 1; }
