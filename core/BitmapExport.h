// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

// Writes a picture as an uncompressed 24-bit Windows bitmap file under the
// name given, exactly as given. The file is written beside the target and
// put in its place only when complete, so a failed write leaves an existing
// file as it was. Returns "" on success, otherwise the reason.
QString writeBitmapFile(const QImage &picture, const QString &fileName);
