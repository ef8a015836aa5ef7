#!/usr/bin/env bash
# End-to-end check of the installed editor on a private X server: installed
# into a scratch prefix and started as its desktop entry says with a map file,
# it shows its main window under the entry's name, F1 opens the installed help
# at its contents, the credits window's title bar has no caption text, and
# the map saved then is the file it was given.
# Usage: run_installed.sh <cmake> <build folder>
set -euo pipefail
cmake=$1 build=$2
app_id=example.quorvane.tesselwick

# The private X server and the program on it.
source "$(dirname "$0")/xsession.sh"

prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
[[ ! -e "$prefix/bin/Tesselwick-Help" ]] || { echo "help files in bin/"; exit 1; }
# The entry's command line, with the file a file manager would hand it.
{ printf '\376\117\012\005'; head -c 32768 /dev/urandom; } >"$work/given level.map"
read -r -a exec_line <<<"$(sed -n 's/^Exec=//p' "$prefix/share/applications/$app_id.desktop")"
program=$(PATH="$prefix/bin:$PATH" command -v "${exec_line[0]}")
[[ "$program" == "$prefix/bin/tesselwick" ]] || { echo "Exec=${exec_line[*]} runs $program"; exit 1; }
arguments=()
for word in "${exec_line[@]:1}"; do
    [[ "$word" == %f ]] && word=$work/given\ level.map
    arguments+=("$word")
done

start_x_server
cd "$work"
start_editor "$program" "${arguments[@]}"
window=$(window 'Tesselwick \(v1\.0\) - Quorvane Labs')

# The desktop matches the window to its entry by the window's class.
class=$(sed -n 's/^StartupWMClass=//p' "$prefix/share/applications/$app_id.desktop")
xprop -id "$window" WM_CLASS | grep -q ", \"$class\"$" ||
    { echo "the main window's class is not \"$class\": $(xprop -id "$window" WM_CLASS)"; exit 1; }

press_until "$window" F1 'Tesselwick Help - Contents' &&
    help=$(visible_window 'Tesselwick Help - Contents') ||
    { echo "F1 did not open the installed help at its contents"; exit 1; }
xdotool windowclose "$help" 2>/dev/null || xdotool key --window "$help" Escape

credits=$(open_credits "$window")
# What the window manager would write in its title bar: both title properties empty.
for property in WM_NAME _NET_WM_NAME; do
    value=$(xprop -id "$credits" "$property")
    [[ "$value" =~ (=\ \"\"$|not\ found|=\ *$) ]] ||
        { echo "the credits window's title bar reads: $value"; exit 1; }
done
xdotool mousemove --window "$credits" 150 100 click 1
wait_for 5 bash -c "! xdotool search --onlyvisible --pid $editor_pid | grep -qx $credits" ||
    { echo "a click did not close the credits"; exit 1; }

# The map in the editor is the file given: saved under another name, the
# same bytes.
xdotool windowfocus --sync "$window" key ctrl+s
dialog=$(window 'Save Map')
xdotool windowfocus --sync "$dialog" type "$work/saved.map"
xdotool key Return
wait_for 10 test -s "$work/saved.map" || { echo "nothing saved" >&2; exit 1; }
cmp "$work/given level.map" "$work/saved.map" || { echo "the map given is not the one opened"; exit 1; }

quit_editor "$window"
