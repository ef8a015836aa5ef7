# Sourced by the scripts that drive the real editor on a private X server.
# Gives them the server, a window manager on request, the editor process,
# waiting for windows and one clean-up on exit that ends them all and removes
# the scratch folder $work.
# shellcheck shell=bash

work=$(mktemp -d)
xvfb_pid=
wm_pid=
editor_pid=

xsession_cleanup() {
    [[ -n "$editor_pid" ]] && kill "$editor_pid" 2>/dev/null || true
    [[ -n "$wm_pid" ]] && kill "$wm_pid" 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap xsession_cleanup EXIT

# start_x_server [WIDTHxHEIGHT]: starts Xvfb on a free display, 1280 x 1024
# unless told, and points DISPLAY at it once a client has got in.
start_x_server() {
    Xvfb -displayfd 9 -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset 9>"$work/display" \
        2>>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
    [[ -s "$work/display" ]] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(cat "$work/display")"
    # Right after another server of the same number ended, a client may be
    # refused for a moment after the number is reported (seen as an editor or
    # openbox that could not open the display), so a client must get in
    # before anything starts.
    wait_for 20 xdpyinfo || { echo "Xvfb on $DISPLAY takes no clients" >&2; cat "$work/xvfb.log" >&2; exit 1; }
}

# stop_x_server: ends the server start_x_server started, so another can start.
stop_x_server() {
    kill "$xvfb_pid"
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
    rm -f "$work/display"
}

# xprop succeeds for a property that is not set, so its answer is read.
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

# start_window_manager: starts openbox on the server, which activates a
# window on a click as desktops do, and waits until it runs.
start_window_manager() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    wait_for 20 wm_running || { echo "openbox did not start on $DISPLAY" >&2; cat "$work/openbox.log" >&2; exit 1; }
}

# stop_window_manager: ends the window manager start_window_manager started.
stop_window_manager() {
    kill "$wm_pid"
    wait "$wm_pid" 2>/dev/null || true
    wm_pid=
}

# start_editor <program> [arguments...]: runs it at 96 dots per inch without
# a desktop theme, so windows have their designed pixel sizes, with settings
# and recovery copies in $work; its output goes to $work/editor.log.
start_editor() {
    env -u QT_QPA_PLATFORMTHEME QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96 \
        XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
        "$@" >>"$work/editor.log" 2>&1 &
    editor_pid=$!
}

# wait_for <seconds> <command...>: runs the command until it succeeds.
wait_for() {
    local tries=$(($1 * 10))
    shift
    for _ in $(seq "$tries"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

# visible_window <title pattern>: the id of a visible window whose whole
# title matches, if there is one.
visible_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep .
}

# window <title pattern>: waits up to 20 seconds for such a window and
# prints its id; without one, says so with the editor's output and exits.
window() {
    if ! wait_for 20 visible_window "$1"; then
        echo "no window \"$1\" on display $DISPLAY" >&2
        cat "$work/editor.log" >&2
        kill -0 "$xvfb_pid" 2>/dev/null || echo "the X server has ended" >&2
        tail -n 20 "$work/xvfb.log" >&2
        exit 1
    fi
    visible_window "$1"
}

# quit_editor <main window id>: Ctrl+Q, then the editor's exit status.
quit_editor() {
    xdotool windowfocus --sync "$1" key ctrl+q
    wait_for 5 bash -c "! kill -0 $editor_pid" || { echo "Ctrl+Q did not end the editor" >&2; exit 1; }
    local status=0
    wait "$editor_pid" || status=$?
    editor_pid=
    return "$status"
}

# quit_discarding <main window id>: Ctrl+Q on a changed map, Discard in the
# question that follows, then the editor's exit status.
quit_discarding() {
    xdotool windowfocus --sync "$1" key ctrl+q
    local box
    box=$(window 'Tesselwick')
    xdotool windowfocus --sync "$box" key d
    wait_for 10 bash -c "! kill -0 $editor_pid" || { echo "Discard did not end the editor" >&2; exit 1; }
    local status=0
    wait "$editor_pid" || status=$?
    editor_pid=
    return "$status"
}

# credits_window: the id of the editor's credits window if it is shown. It
# has no title; it is the only window of its size.
credits_window() {
    for id in $(xdotool search --onlyvisible --pid "$editor_pid" 2>/dev/null); do
        xdotool getwindowgeometry "$id" | grep -q 'Geometry: 529x273' && { echo "$id"; return 0; }
    done
    return 1
}

# menu_open: true while one of the editor's menus is dropped down.
menu_open() {
    for id in $(xdotool search --onlyvisible --pid "$editor_pid" 2>/dev/null); do
        xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DROPDOWN_MENU && return 0
    done
    return 1
}

# press_until <main window id> <key> <title pattern>: sends the key until a
# window with that title shows, for up to 20 seconds. Keys that reach the editor before it has
# taken the keyboard focus are lost, so the key goes again while the window
# is missing; the keys used here only open or raise their window, so one
# sent twice does no harm.
press_until() {
    for _ in 1 2 3 4; do
        xdotool windowfocus --sync "$1" key "$2"
        wait_for 5 visible_window "$3" && return 0
    done
    return 1
}

# open_credits <main window id>: About > Credits by keyboard, then prints the
# credits window's id. Each key waits for what the one before it opened.
open_credits() {
    xdotool windowfocus --sync "$1" key alt+a
    wait_for 20 menu_open || { echo "Alt+A did not open the About menu" >&2; exit 1; }
    xdotool key Up Return
    wait_for 20 credits_window || { echo "Credits did not open" >&2; exit 1; }
    credits_window
}
