// SPDX-License-Identifier: MIT
#pragma once

#include "cli/MapCells.h"
#include "cli/Problem.h"

#include <QByteArray>
#include <QByteArrayView>

// Maps as comma-separated values: one line per row of the map, one decimal
// tile number (0..255) per cell, lines ending in a line feed.
namespace CsvFormat {

QByteArray write(const MapCells &map);

// Reads a map of 1..256 columns and 1..128 rows. Every row must have as many
// values as the first; blank lines at the end and carriage returns before the
// line feeds are allowed, as are blanks around the values.
bool read(QByteArrayView text, MapCells *map, Problem *problem);

} // namespace CsvFormat
