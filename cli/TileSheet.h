// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"

#include <QImage>
#include <QString>

// The tile sheet a command draws with: the editor's built-in one, or a
// picture file read by the same rules as the editor's Load Tiles.
namespace TileSheet {

// The picture the tile picker starts with.
QImage builtIn();

// Reads a tile set picture the way Load Tiles does: any picture format Qt
// reads, any size (the top-left 512 x 128 pixels are used). A failure says
// why ("This is not a TileSet file" for a file that holds no picture).
Outcome<QImage> read(const QString &path);

} // namespace TileSheet
