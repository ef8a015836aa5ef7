// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"
#include "cli/MapCells.h"

#include <QByteArray>
#include <QString>

// Maps as Tiled's JSON map files (.tmj, .json): the same map as TMX holds,
// in JSON. The files written here have one tileset from id 1 and one tile
// layer whose data is an array of ids, tile n of the map being id n + 1.
namespace TmjFormat {

QByteArray write(const MapCells &map, const QString &name, const QString &sheetImage);

// Reads a finite orthogonal map of 16 x 16 tiles, at most 256 x 128, and
// takes one of its tile layers by the rules of TiledLayers::cells(). Layer
// data is an array of ids or base64, plain or zlib or gzip compressed. A
// failure names the JSON member at fault, as "layers[1].data".
Outcome<MapCells> read(const QByteArray &text, const QString &layer = QString());

} // namespace TmjFormat
