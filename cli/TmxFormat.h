// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"
#include "cli/MapCells.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Maps as Tiled map files (TMX): an orthogonal map of 16 x 16 tiles. TMX
// counts tiles from a tileset's first id and keeps 0 for an empty cell; the
// files written here have one tileset from id 1, so tile n of the map is id
// n + 1 there.
namespace TmxFormat {

inline constexpr int TileSize = 16;

// A map with one CSV-encoded layer and one tileset of 256 tiles, 32 to a row,
// cut from the picture sheetImage (a path relative to the map file).
QByteArray write(const MapCells &map, const QString &name, const QString &sheetImage);

// Reads a finite orthogonal map of 16 x 16 tiles, at most 256 x 128, and
// takes one of its tile layers by the rules of TiledLayers::cells(). Layer
// data is CSV or base64, the latter plain or zlib or gzip compressed.
// Anything else is refused with the element, attribute and place at fault.
Outcome<MapCells> read(const QByteArray &text, const QString &layer = QString());

} // namespace TmxFormat
