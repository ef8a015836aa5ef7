// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"

#include <QByteArrayView>
#include <QString>

#include <vector>

// Tile layer data as TMX and Tiled's JSON maps both store it in binary:
// base64 text of 32-bit little-endian tile ids, plain or compressed.
namespace TiledData {

// The width x height ids of a layer; compression is "zlib", "gzip" or empty
// for none.
Outcome<std::vector<quint32>> fromBase64(QByteArrayView text, const QString &compression, int width,
                                         int height);

} // namespace TiledData
