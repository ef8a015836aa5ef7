// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace ArtGen {

// An 8 x 8 one-colour glyph, one string per row, '#' for a set pixel.
using Glyph = std::array<const char *, 8>;

// The glyph drawn on tiles 0..63: letters, digits, punctuation and small pictures.
const Glyph &tileGlyph(int tile);

// The glyph for a character of the product lettering; unlike the tiles this has lower case.
const Glyph &letteringGlyph(char c);

// The tile that shows a character from ' ' to '_': the code with bit 6 cleared, so '@' and
// 'A'..'Z' are 0..26 while ' ', '!', '0'..'9' keep their codes.
constexpr int tileForChar(char c)
{
    return c & ~0x40;
}

} // namespace ArtGen
