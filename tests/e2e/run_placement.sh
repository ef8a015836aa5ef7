#!/usr/bin/env bash
# Where the real editor's windows open under a real window manager (openbox)
# on a private X server, at 1280 x 1024 and at 1920 x 1080, judged from the
# frames the window manager draws: the tile picker below the main window's
# frame, never over it, and the help beside or centred over the main window;
# every frame on the screen.
# Usage: run_placement.sh <path/to/tesselwick>
set -euo pipefail
editor=$1
source "$(dirname "$0")/xsession.sh"

# frame <window id>: "left top width height" of the window's frame, from its
# place on screen and the frame extents the window manager sets.
frame() {
    local info x y w h l r t b
    info=$(xwininfo -id "$1")
    x=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/^ *Width: *//p' <<<"$info")
    h=$(sed -n 's/^ *Height: *//p' <<<"$info")
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= *//; s/,/ /g')
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}
framed() { xprop -id "$1" _NET_FRAME_EXTENTS | grep -q '='; }

on_screen() {
    local left=$1 top=$2 width=$3 height=$4
    ((left >= 0 && top >= 0 && left + width <= screen_w && top + height <= screen_h))
}

for size in 1280x1024 1920x1080; do
    screen_w=${size%x*} screen_h=${size#*x}
    start_x_server "$size"
    start_window_manager

    start_editor "$editor"
    # A window manager on a busy machine may take a while to map it.
    wait_for 60 visible_window 'Tesselwick \(v1\.0\) - Quorvane Labs' || true
    main=$(window 'Tesselwick \(v1\.0\) - Quorvane Labs')
    wait_for 10 framed "$main" || { echo "the main window has no frame" >&2; exit 1; }
    press_until "$main" ctrl+t 'Using Default TileSet' || { echo "Ctrl+T did not open the picker" >&2; exit 1; }
    picker=$(window 'Using Default TileSet')
    wait_for 10 framed "$picker" || { echo "the picker has no frame" >&2; exit 1; }
    # Both on the screen, the picker at the main window's left edge, below
    # its frame; only on a screen too short for both, at the screen's bottom
    # edge. The window manager may take a moment to move them there.
    picker_placed() {
        read -r mx my mw mh < <(frame "$main")
        read -r px py pw ph < <(frame "$picker")
        on_screen "$mx" "$my" "$mw" "$mh" && on_screen "$px" "$py" "$pw" "$ph" && ((px == mx)) &&
            ((py >= my + mh || (mh + ph > screen_h && py + ph == screen_h)))
    }
    if ! wait_for 10 picker_placed; then
        picker_placed || true
        echo "$size: main $mx,$my ${mw}x$mh; picker $px,$py ${pw}x$ph: the picker is not below" >&2
        exit 1
    fi

    press_until "$main" F1 'Tesselwick Help - Contents' || { echo "F1 did not open the help" >&2; exit 1; }
    help=$(window 'Tesselwick Help - Contents')
    wait_for 10 framed "$help" || { echo "the help has no frame" >&2; exit 1; }
    # On the screen, and beside the main window or centred over it.
    help_placed() {
        read -r mx my mw mh < <(frame "$main")
        read -r hx hy hw hh < <(frame "$help")
        local centre=$((hx + hw / 2)) main_centre=$((mx + mw / 2))
        on_screen "$hx" "$hy" "$hw" "$hh" &&
            ((hx == mx + mw || hx + hw == mx || (centre - main_centre <= 2 && main_centre - centre <= 2)))
    }
    if ! wait_for 10 help_placed; then
        help_placed || true
        echo "$size: main $mx,$my ${mw}x$mh; help $hx,$hy ${hw}x$hh: the help is not beside the main window" >&2
        exit 1
    fi
    echo "$size: main frame $mx,$my ${mw}x$mh; picker $px,$py ${pw}x$ph; help $hx,$hy ${hw}x$hh"
    xdotool windowclose "$help" 2>/dev/null || true

    quit_editor "$main"
    stop_window_manager
    stop_x_server
done
