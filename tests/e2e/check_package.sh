#!/usr/bin/env bash
# Builds the Debian package from the build and checks it with dpkg-deb: what
# it installs under /usr, and that it depends on the libraries the program
# links, the fonts its windows are laid out for and Qt's platform plugins.
# Usage: check_package.sh <cpack> <build folder> <source folder>
set -euo pipefail
cpack=$1 build=$2 source=$3
app_id=example.quorvane.tesselwick

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; exit 1; }
packages=("$work"/tesselwick_*.deb)
[[ ${#packages[@]} -eq 1 && -f "${packages[0]}" ]] || { echo "no tesselwick_*.deb" >&2; exit 1; }
package=${packages[0]}
failed=0
fail() { echo "$*" >&2; failed=1; }

[[ "$(dpkg-deb -f "$package" Package)" == tesselwick ]] || fail "the package has another name"
[[ "$(dpkg-deb -f "$package" Architecture)" == "$(dpkg --print-architecture)" ]] ||
    fail "the package is for another architecture"

# Files: the installed layout under /usr, nothing else.
dpkg-deb -c "$package" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./||' | sort >"$work/files"
expected=(usr/bin/tesselwick
    "usr/share/applications/$app_id.desktop"
    "usr/share/mime/packages/$app_id.xml"
    "usr/share/metainfo/$app_id.metainfo.xml"
    usr/share/man/man1/tesselwick.1
    usr/share/man/man1/tesselwick-cli.1)
for size in 16 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for page in $(cd "$source/resources/help" && ls); do
    expected+=("usr/share/tesselwick/help/$page")
done
for decoder in $(cd "$source/cli/decoders" && ls); do
    expected+=("usr/share/tesselwick/decoders/$decoder")
done
for path in "${expected[@]}"; do
    grep -qx "$path" "$work/files" || fail "the package lacks $path"
done
unexpected=$(grep -Ev '^usr/(bin/[^/]+|share/(applications|metainfo|mime/packages|icons/hicolor|tesselwick/(help|decoders)|man)/.+)$' "$work/files" || true)
[[ -z "$unexpected" ]] || fail "the package holds unexpected files: $unexpected"

# The map files' MIME type as the package installs it.
dpkg-deb -x "$package" "$work/root"
"$(dirname "$0")/check_mime.sh" "$work/root/usr/share" || fail "the map files' MIME type does not resolve"

# Dependencies: one line, comma separated, each with its version constraint.
depends=$(dpkg-deb -f "$package" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation qt6-qpa-plugins; do
    grep -qx "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done

exit "$failed"
