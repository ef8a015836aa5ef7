// SPDX-License-Identifier: MIT
#pragma once

#include "tools/artgen/Tile.h"

namespace ArtGen {

// Surfaces that several tile rows build on: the walls a door or window sits in, the floor under
// furniture, the grass under plants. Drawing them once keeps an object tile seamless with the
// plain tile next to it.
Tile brickWall();
Tile stoneWall();
Tile plankWall();

Tile woodFloor();
Tile flagstones();
Tile dungeonFloor();

// The seed picks one of a few arrangements of the same texture.
Tile grass(int seed = 0);
Tile sand(int seed = 0);
Tile dirt(int seed = 0);
Tile water(int seed = 0);
Tile deepWater();
Tile snow();

} // namespace ArtGen
