// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"
#include "cli/MapCells.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Maps as Tiled map files (TMX): an orthogonal map of 16 x 16 tiles with one
// tile layer. TMX counts tiles from 1 and keeps 0 for an empty cell, so tile
// n of the map is id n + 1 there.
namespace TmxFormat {

inline constexpr int TileSize = 16;

// A map with one CSV-encoded layer and one tileset of 256 tiles, 32 to a row,
// cut from the picture sheetImage (a path relative to the map file).
QByteArray write(const MapCells &map, const QString &name, const QString &sheetImage);

// Reads a finite orthogonal map of 16 x 16 tiles, at most 256 x 128, with
// exactly one tile layer whose data is CSV or base64, the latter plain or
// zlib or gzip compressed. Ids run 0..256; 0, an empty cell, becomes tile 0.
// Anything else is refused with the element, attribute and place at fault.
Outcome<MapCells> read(const QByteArray &text);

} // namespace TmxFormat
