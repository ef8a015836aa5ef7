// SPDX-License-Identifier: MIT
#pragma once

#include "core/tiles/PictureTiles.h"

#include <vector>

// Merging the tiles of a picture that has more distinct tiles than a sheet
// holds: a few tiles are kept, and every cell shows the kept tile that looks
// most like its own.
namespace TileMerge {

struct Result
{
    // The distinct tiles kept (numbers of PictureTiles::Cut::distinct), in
    // the order of their first appearance in the picture.
    std::vector<int> kept;
    // For each distinct tile, the place in kept of the tile that stands in
    // for it.
    std::vector<int> keptFor;
    // Peak signal-to-noise ratio of the merged picture against the picture,
    // in dB over the red, green and blue channels of every pixel; infinity
    // when nothing had to change.
    double psnr = 0.0;
};

// Chooses at most limit of the cut's distinct tiles so that the merged
// picture differs from the picture as little as possible over the whole map:
// the squared difference of each tile from its stand-in counts once for each
// cell that holds it. See TileMerge.cpp for the method.
Result merge(const PictureTiles::Cut &cut, int limit);

// The peak signal-to-noise ratio, in dB, of 8-bit values whose squared
// differences add up to squaredError over count values.
double psnr(double squaredError, double count);

} // namespace TileMerge
