#!/usr/bin/env bash
# End-to-end check of the real editor on a private X server, started from a
# working folder that holds a help of its own: F1 opens the help beside the
# program at its contents, and the credits window opens from the About menu
# and closes on a click.
# Usage: run_help_and_credits.sh <path/to/tesselwick>
set -euo pipefail
editor=$(realpath "$1")

workdir=$(mktemp -d)
displayfile=$(mktemp)
Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$displayfile" 2>/dev/null &
xvfb=$!
editor_pid=
cleanup() {
    [[ -n "$editor_pid" ]] && kill "$editor_pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$displayfile" "$workdir"
}
trap cleanup EXIT
for _ in $(seq 100); do [[ -s "$displayfile" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$displayfile")"

# A help in the working folder that the editor must not take.
mkdir "$workdir/Tesselwick-Help"
echo "30 decoy.html" >"$workdir/Tesselwick-Help/contexts.txt"
echo "<html><title>Decoy</title></html>" >"$workdir/Tesselwick-Help/decoy.html"

cd "$workdir"
env -u QT_QPA_PLATFORMTHEME QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96 \
    "$editor" 2>/dev/null &
editor_pid=$!

# wait_for <seconds> <command...>: runs the command until it succeeds.
wait_for() {
    local tries=$(($1 * 10))
    shift
    for _ in $(seq "$tries"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

wait_for 10 xdotool search --onlyvisible --name '^Tesselwick \(v1\.0\) - Quorvane Labs$' ||
    { echo "the main window did not appear"; exit 1; }
window=$(xdotool search --onlyvisible --name '^Tesselwick \(v1\.0\) - Quorvane Labs$' | head -n 1)

help_open() { xdotool search --onlyvisible --name '^Tesselwick Help - Contents$'; }
for _ in 1 2 3; do
    xdotool windowfocus --sync "$window"
    xdotool key F1
    wait_for 3 help_open && break
done
help_open >/dev/null || { echo "F1 did not open the help beside the program at its contents"; exit 1; }

# The credits window has no title; it is the only window of its size.
credits_open() {
    for id in $(xdotool search --onlyvisible --pid "$editor_pid" 2>/dev/null); do
        xdotool getwindowgeometry "$id" | grep -q 'Geometry: 529x273' && { echo "$id"; return 0; }
    done
    return 1
}
# About > Credits by keyboard; the menu may open late on a busy machine, so
# the keys after it wait, and a missed attempt is closed and tried again.
for _ in 1 2 3; do
    xdotool windowfocus --sync "$window"
    xdotool key alt+a
    sleep 0.5
    xdotool key Up
    sleep 0.2
    xdotool key Return
    wait_for 3 credits_open && break
    xdotool key Escape
done
credits_open >/dev/null || { echo "Credits did not open"; exit 1; }
credits=$(credits_open)
xdotool mousemove --window "$credits" 150 100 click 1
wait_for 5 bash -c "! xdotool search --onlyvisible --pid $editor_pid | grep -qx $credits" ||
    { echo "a click did not close the credits"; exit 1; }

xdotool windowfocus --sync "$window"
xdotool key ctrl+q
wait_for 5 bash -c "! kill -0 $editor_pid" || { echo "Ctrl+Q did not end the editor"; exit 1; }
wait "$editor_pid"
status=$?
editor_pid=
exit "$status"
