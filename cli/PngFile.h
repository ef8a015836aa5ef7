// SPDX-License-Identifier: MIT
#pragma once

#include "core/files/AtomicFile.h"
#include "core/files/FileResult.h"
#include "core/render/PictureBand.h"

#include <QSize>
#include <QString>

// Writing pictures as PNG files (8-bit RGB) with libspng, atomically like
// every file the programs write. Tuned for speed: zlib's fastest level and
// one cheap row filter, which for tile pictures of few colours still gives
// files several times smaller than a bitmap.
namespace PngFile {

FileResult write(QSize size, const PictureBand &band, const QString &fileName);

// A whole picture as the content of a file that AtomicFile writes, such as
// one file of a set that is written together.
AtomicFile::Fill content(const QImage &picture, const QString &fileName);

} // namespace PngFile
