// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>

#include <cstdint>

namespace ArtGen {

// Every picture is drawn from these sixteen colours; the fixed palette is what keeps the
// separately drawn tiles looking like one set.
enum Colour : std::uint8_t {
    Black,
    White,
    DarkGrey,
    Grey,
    LightGrey,
    DarkRed,
    Red,
    Orange,
    Yellow,
    Brown,
    Tan,
    DarkGreen,
    Green,
    DarkBlue,
    Blue,
    LightBlue,
};

QRgb rgb(Colour c);

// Pixel-art rows in the sources use one letter per pixel:
//   k black  w white  1 dark grey  2 grey  3 light grey  m dark red  r red  o orange
//   y yellow  u brown  t tan  f dark green  g green  n dark blue  b blue  c light blue
// and '.' for a transparent pixel. Returns false for '.', aborts on an unknown letter.
bool colourFromCode(char code, Colour &out);

} // namespace ArtGen
