#!/usr/bin/env bash
# Checks the map files' MIME type as installed under <share folder> (a
# prefix's share/ or a package's usr/share/): xdg-mime resolves a map file to
# it by its name and, without a known name, by its first bytes, while a .map
# file of another program whose type claims *.map stays with that program.
# Usage: check_mime.sh <share folder>
set -euo pipefail
share=$(cd "$1" && pwd)
type=application/x-tesselwick-map

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "$*" >&2; failed=1; }

update-mime-database "$share/mime" 2>/dev/null

# Another program's type for its own .map files, at the usual weight,
# installed beside the editor's as a second package would be.
mkdir -p "$work/both/mime/packages"
cp "$share"/mime/packages/*.xml "$work/both/mime/packages/"
cat >"$work/both/mime/packages/other-map.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="text/x-other-map">
    <comment>Another program's map</comment>
    <sub-class-of type="text/plain"/>
    <glob pattern="*.map"/>
  </mime-type>
</mime-info>
XML
update-mime-database "$work/both/mime" 2>/dev/null

# As a file manager outside a desktop session asks.
query() {
    local dirs=$1
    shift
    env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
        XDG_DATA_HOME="$work/home" XDG_DATA_DIRS="$dirs" xdg-mime query filetype "$1"
}

{ printf '\376\117\377\177'; head -c 32768 /dev/zero; } >"$work/forest.map"
cp "$work/forest.map" "$work/forest"
printf 'a map of another program\n' >"$work/legend.map"
printf 'notes\n' >"$work/notes.txt"

check() {
    local dirs=$1 file=$2 expected=$3 found
    found=$(query "$dirs" "$work/$file")
    [[ "$found" == "$expected" ]] || fail "xdg-mime says $file is $found, not $expected"
}
ours=$share:/usr/share
check "$ours" forest.map "$type"
check "$ours" forest "$type"
check "$ours" notes.txt text/plain
both=$work/both:/usr/share
check "$both" legend.map text/x-other-map
check "$both" forest "$type"

exit "$failed"
