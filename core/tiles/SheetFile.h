// SPDX-License-Identifier: MIT
#pragma once

#include "core/files/FileResult.h"

#include <QImage>
#include <QString>

// Writing the tile sheet in use as a picture file for a game's build: a
// bitmap for a name ending in .bmp, PNG otherwise, through the atomic write
// every file of the editor takes.
namespace SheetFile {

FileResult write(const QImage &sheet, const QString &path);

} // namespace SheetFile
