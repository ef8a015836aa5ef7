#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the benchmarks need.
# Skips what is installed already and never asks a question.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    # LLVM's linker, with which the many test programs link much faster.
    lld
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    libbenchmark-dev time
    # tesselwick-cli unpacks compressed TMX layers with the system zlib and
    # writes PNG files with libspng.
    zlib1g-dev libspng-dev
    # Liberation Sans is what the windows are laid out for; the font tests
    # also check them with DejaVu Sans, the usual stand-in.
    fonts-liberation fonts-dejavu-core
    # The install checks and the Debian package (groff-base reads the
    # manual pages).
    desktop-file-utils appstream dpkg-dev file groff-base
    # The end-to-end checks drive the real editor on a private X server,
    # under openbox where they judge where its windows open.
    xvfb xdotool x11-utils imagemagick openbox
    # The MIME type of map files as the desktop resolves it: xdg-mime reads
    # the MIME database through File::MimeInfo outside a desktop session.
    xdg-utils libfile-mimeinfo-perl shared-mime-info
    # The interop checks of tesselwick-cli run Tiled's own converter and
    # tmxrasterizer.
    tiled
    # The assemblers, C compilers and 6502 simulator that check the data
    # tesselwick-cli exports (cc65: ca65, ld65, cl65, sim65; sdcc: sdas,
    # sdld, makebin).
    cc65 64tass acme dasm xa65 pasmo z80asm sdcc gcc
    # The fuzz targets of the file loaders (fuzz/README.md).
    clang-14 libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

# Through env, so the setting that keeps apt from asking survives sudo, which
# clears the environment.
as_root=(env DEBIAN_FRONTEND=noninteractive)
[[ $(id -u) -ne 0 ]] && as_root=(sudo "${as_root[@]}")
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
