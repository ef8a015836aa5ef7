// SPDX-License-Identifier: MIT
#pragma once

#include "core/files/CellGrid.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Tile numbers as comma-separated values: one line per row, one decimal tile
// number (0..255) per cell. What spreadsheets and other tile editors write is
// read as well: semicolons or tabs between the values, -1 for an empty cell.
namespace CsvCells {

inline constexpr char Comma = ',';
inline constexpr char Semicolon = ';';
inline constexpr char Tab = '\t';

// Tile numbers separated by separator, each line ending in a line feed.
QByteArray write(const CellGrid &grid, char separator = Comma);

// What reading gave: the grid, or why there is none and where (line and
// column from 1, 0 where the fault is not at one place).
struct Reading
{
    CellGrid grid;
    QString error;
    int line = 0;
    int column = 0;

    bool succeeded() const { return error.isEmpty(); }
};

// Reads a grid of 1..256 columns and 1..128 rows. The first line decides the
// separator: a comma if it has one, else a semicolon, else a tab. Every row
// must have as many values as the first; -1 is tile 0. A UTF-8 byte order
// mark, blank lines at the end, carriage returns before the line feeds and
// blanks around the values are allowed.
Reading read(QByteArrayView text);

} // namespace CsvCells
