// SPDX-License-Identifier: MIT
#pragma once

#include "core/files/CellGrid.h"

// The map's own cells as the data formats carry them: width x height tile
// numbers, row by row.
using MapCells = CellGrid;
