// SPDX-License-Identifier: MIT
#pragma once

#include "cli/ExportOptions.h"
#include "cli/Failure.h"
#include "cli/MapCells.h"

#include <QSize>

#include <vector>

// The blocks an export writes, from the map's cells and the layout options:
// the region cut out, cut into screens in reading order (the last column and
// row of screens padded with tile 0 when the cells do not divide evenly),
// the offset added and, for column order, each block turned so that its
// rows are the screen's columns.
namespace MapLayout {

struct Blocks
{
    std::vector<MapCells> blocks;
    // Screens across and down (1 x 1 without screens).
    QSize screens{1, 1};
    // Cells before and after padding; equal when nothing was padded.
    QSize cut;
    QSize padded;
};

// A failure names no file.
Outcome<Blocks> lay(const MapCells &map, const ExportOptions &options);

} // namespace MapLayout
