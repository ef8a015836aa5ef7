// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes a picture as an uncompressed 24-bit Windows bitmap file under the
// name given, exactly as given. The file is written beside the target and
// put in its place only when complete, so a failed write leaves an existing
// file as it was. Returns "" on success, otherwise the reason.
QString writeBitmapFile(const QImage &picture, const QString &fileName);

// The same for any format Qt writes ("bmp", "png"). quality is passed to the
// writer as it is (for PNG it sets the compression: 0 is the strongest, 100
// the fastest); -1 keeps the format's default.
QString writeImageFile(const QImage &picture, const QString &fileName, const QByteArray &format,
                       int quality = -1);
