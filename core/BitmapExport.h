// SPDX-License-Identifier: MIT
#pragma once

#include "core/FileResult.h"

#include <QImage>
#include <QString>

// Writes a picture as an uncompressed 24-bit Windows bitmap file under the
// name given, exactly as given, atomically (writeAtomically): a failed write
// leaves an existing file as it was.
FileResult writeBitmapFile(const QImage &picture, const QString &fileName);
