#!/usr/bin/env bash
# End-to-end check of the real editor on a private X server: it starts with
# its title, a tile picked in the tile picker and a stroke with a held button
# reach the screen, and Ctrl+Q ends it at once with the tile picker open.
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
    rm -f "$displayfile" "$displayfile.png"
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

picker=$(xdotool search --onlyvisible --name '^Using Default TileSet$' | head -n 1)
# Pick tile 128, a picture tile unlike the blank map's tile 0.
xdotool mousemove --window "$picker" 4 68 click 1

# A stroke along row 1 of the canvas, columns 2 to 7, with the button held.
# The client area is 673 pixels high below the menu bar; the canvas starts at
# 18, 58 in it, within the viewport's border.
eval "$(xdotool getwindowgeometry --shell "$window")"
main_x=$X main_y=$Y
canvas_x=18
canvas_y=$((HEIGHT - 673 + 58))
xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" $((canvas_x + 2 * 16 + 8)) $((canvas_y + 24)) mousedown 1
for column in 3 4 5 6 7; do
    xdotool mousemove --window "$window" $((canvas_x + column * 16 + 8)) $((canvas_y + 24))
    sleep 0.05
done
xdotool mouseup 1
sleep 0.3

# What the screen shows: the painted cells hold the brush that the picker's
# preview shows, the cells below them still tile 0.
shot="$displayfile.png"
/usr/bin/import -window root "$shot"
pixels() { /usr/bin/convert "$shot" -crop "16x16+$1+$2" +repage -format '%#' info:; }
eval "$(xdotool getwindowgeometry --shell "$picker")"
brush=$(pixels $((X + 536)) $((Y + 72)))
blank=$(pixels $((main_x + canvas_x + 4 * 16)) $((main_y + canvas_y + 5 * 16)))
[[ "$brush" != "$blank" ]] || { echo "the picked tile looks like tile 0"; exit 1; }
for column in 2 3 4 5 6; do
    painted=$(pixels $((main_x + canvas_x + column * 16)) $((main_y + canvas_y + 16)))
    [[ "$painted" == "$brush" ]] || { echo "cell $column, 1 does not show the brush"; exit 1; }
done

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
