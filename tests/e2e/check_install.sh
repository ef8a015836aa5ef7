#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what lands where: the
# program alone in bin/, the help in share/tesselwick/help/, the desktop entry,
# the map files' MIME type, the icon at every theme size, the metainfo and the
# manual pages of both programs, each valid for its checker.
# Usage: check_install.sh <cmake> <build folder> <source folder>
set -euo pipefail
cmake=$1 build=$2 source=$3
app_id=example.quorvane.tesselwick

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"
failed=0
fail() { echo "$*" >&2; failed=1; }

# Nothing but programs in bin/, and the editor among them.
[[ -x bin/tesselwick ]] || fail "bin/tesselwick is missing"
for file in bin/*; do
    [[ -f "$file" && -x "$file" ]] && file -b "$file" | grep -q '^ELF' || fail "$file is not a program"
done

# The help pages, all of them and nothing else.
diff <(cd "$source/resources/help" && find . -type f | sort) \
    <(cd share/tesselwick/help && find . -type f | sort) || fail "the installed help differs"

# The decoders of packed exports, all of them and nothing else.
diff <(cd "$source/cli/decoders" && find . -type f | sort) \
    <(cd share/tesselwick/decoders && find . -type f | sort) || fail "the installed decoders differ"

expected=(
    "share/applications/$app_id.desktop"
    "share/mime/packages/$app_id.xml"
    "share/metainfo/$app_id.metainfo.xml"
    share/man/man1/tesselwick.1
    share/man/man1/tesselwick-cli.1
)
for size in 16 32 48 64 128 256; do
    icon="share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    expected+=("$icon")
    [[ -f "$icon" ]] && file -b "$icon" | grep -q "PNG image data, $size x $size," ||
        fail "$icon is not a $size x $size picture"
done
for path in "${expected[@]}"; do
    [[ -f "$path" ]] || fail "$path is missing"
done

# Nothing outside the folders the layout names.
unexpected=$(find . -type f | grep -Ev '^\./(bin/[^/]+|share/(applications|metainfo|mime/packages|icons/hicolor|tesselwick/(help|decoders)|man)/.+)$' || true)
[[ -z "$unexpected" ]] || fail "unexpected files: $unexpected"

desktop=share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
[[ "$(sed -n 's/^Exec=//p' "$desktop")" == 'tesselwick %f' ]] ||
    fail "the desktop entry must start the program with the file opened"
[[ "$(sed -n 's/^MimeType=//p' "$desktop")" == 'application/x-tesselwick-map;' ]] ||
    fail "the desktop entry does not offer the editor for its map files"
[[ "$(sed -n 's/^Icon=//p' "$desktop")" == "$app_id" ]] || fail "the desktop entry names another icon"

# The map files' MIME type, as a file manager resolves it.
"$(dirname "$0")/check_mime.sh" share || fail "the map files' MIME type does not resolve"

# The manual pages: each reads without a warning and refers to the other.
for page in tesselwick tesselwick-cli; do
    path=share/man/man1/$page.1
    [[ -f "$path" ]] || continue
    warnings=$(groff -man -ww -z "$path" 2>&1) || fail "groff cannot read $path"
    [[ -z "$warnings" ]] || fail "groff warns about $path: $warnings"
done
grep -qx '\.BR tesselwick\\-cli (1)' share/man/man1/tesselwick.1 ||
    fail "tesselwick(1) does not refer to tesselwick-cli(1)"
grep -q '^\.BR tesselwick (1)' share/man/man1/tesselwick-cli.1 ||
    fail "tesselwick-cli(1) does not refer to tesselwick(1)"

metainfo=share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
for element in description project_license screenshot "launchable type=\"desktop-id\">$app_id.desktop"; do
    grep -q "<$element" "$metainfo" || fail "the metainfo has no <$element>"
done

exit "$failed"
