// SPDX-License-Identifier: MIT
#include "tools/artgen/Palette.h"

#include <QtGlobal>

#include <array>

namespace ArtGen {

QRgb rgb(Colour c)
{
    static constexpr std::array<QRgb, 16> table = {
        0x000000, 0xffffff, 0x46464e, 0x84848e, 0xc6c6cc, 0x8e2a22, 0xd8442e, 0xec9430,
        0xf8dc50, 0x7e4e26, 0xe2b47e, 0x1e6632, 0x4cb240, 0x262e82, 0x3e7ae2, 0x90d2f4,
    };
    return 0xff000000u | table[c];
}

bool colourFromCode(char code, Colour &out)
{
    switch (code) {
    case '.':
        return false;
    case 'k':
        out = Black;
        return true;
    case 'w':
        out = White;
        return true;
    case '1':
        out = DarkGrey;
        return true;
    case '2':
        out = Grey;
        return true;
    case '3':
        out = LightGrey;
        return true;
    case 'm':
        out = DarkRed;
        return true;
    case 'r':
        out = Red;
        return true;
    case 'o':
        out = Orange;
        return true;
    case 'y':
        out = Yellow;
        return true;
    case 'u':
        out = Brown;
        return true;
    case 't':
        out = Tan;
        return true;
    case 'f':
        out = DarkGreen;
        return true;
    case 'g':
        out = Green;
        return true;
    case 'n':
        out = DarkBlue;
        return true;
    case 'b':
        out = Blue;
        return true;
    case 'c':
        out = LightBlue;
        return true;
    }
    qFatal("unknown pixel-art colour code '%c'", code);
}

} // namespace ArtGen
