// SPDX-License-Identifier: MIT
#pragma once

#include "tools/artgen/TileMap.h"

namespace ArtGen {

// The map shipped as an example: a cottage with its garden, pond and visitors.
TileMap sampleScene();

// The map behind the credits: a dark lake on the left for the text, a shore with a few
// sights on the right.
TileMap creditsScene();

// The credits scene drawn with the tile sheet and cut to the size the credits show.
QImage creditsBackdrop(const QImage &sheet);

} // namespace ArtGen
