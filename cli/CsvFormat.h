// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"
#include "cli/MapCells.h"

#include <QByteArray>
#include <QByteArrayView>

// Maps as comma-separated values: one line per row of the map, one decimal
// tile number (0..255) per cell, lines ending in a line feed. Read by the
// rules of CsvCells: semicolons or tabs as separators, -1 as tile 0.
namespace CsvFormat {

QByteArray write(const MapCells &map);

// Reads a map of 1..256 columns and 1..128 rows, every row as long as the
// first.
Outcome<MapCells> read(QByteArrayView text);

} // namespace CsvFormat
