// SPDX-License-Identifier: MIT
#pragma once

#include "core/PictureBand.h"

#include <QImage>
#include <QSize>
#include <QString>

// Writes a picture as an uncompressed 24-bit Windows bitmap file under the
// name given, exactly as given. The file is written beside the target and
// put in its place only when complete, so a failed write leaves an existing
// file as it was. Returns "" on success, otherwise the reason.
QString writeBitmapFile(const QImage &picture, const QString &fileName);

// The same for a picture of the given size made band by band.
QString writeBitmapFile(QSize size, const PictureBand &band, const QString &fileName);
