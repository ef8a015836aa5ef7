#!/usr/bin/env bash
# End-to-end check of the real editor on a private X server, started from a
# working folder that holds a help of its own: F1 opens the help beside the
# program at its contents, and the credits window opens from the About menu
# and closes on a click.
# Usage: run_help_and_credits.sh <path/to/tesselwick>
set -euo pipefail
editor=$(realpath "$1")

source "$(dirname "$0")/xsession.sh"

# A help in the working folder that the editor must not take.
mkdir "$work/Tesselwick-Help"
echo "30 decoy.html" >"$work/Tesselwick-Help/contexts.txt"
echo "<html><title>Decoy</title></html>" >"$work/Tesselwick-Help/decoy.html"

start_x_server
cd "$work"
start_editor "$editor"
window=$(window 'Tesselwick \(v1\.0\) - Quorvane Labs')

press_until "$window" F1 'Tesselwick Help - Contents' ||
    { echo "F1 did not open the help beside the program at its contents"; exit 1; }

credits=$(open_credits "$window")
xdotool mousemove --window "$credits" 150 100 click 1
wait_for 5 bash -c "! xdotool search --onlyvisible --pid $editor_pid | grep -qx $credits" ||
    { echo "a click did not close the credits"; exit 1; }

quit_editor "$window"
