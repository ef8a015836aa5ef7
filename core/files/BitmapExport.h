// SPDX-License-Identifier: MIT
#pragma once

#include "core/files/AtomicFile.h"
#include "core/files/FileResult.h"
#include "core/render/PictureBand.h"

#include <QImage>
#include <QSize>
#include <QString>

// Writes a picture as an uncompressed 24-bit Windows bitmap file under the
// name given, exactly as given, through AtomicFile: a failed write leaves an
// existing file as it was.
FileResult writeBitmapFile(const QImage &picture, const QString &fileName);

// The same for a picture of the given size made band by band.
FileResult writeBitmapFile(QSize size, const PictureBand &band, const QString &fileName);

// The same bitmap as content of a file that AtomicFile writes, such as one
// file of a set that is written together.
AtomicFile::Fill bitmapContent(const QImage &picture, const QString &fileName);
