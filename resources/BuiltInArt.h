// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

// Registers the built-in artwork (":/art/..."); safe to call more than once.
void initBuiltInArt();

// A compiled-in bitmap (":/art/name.bmp"), decoded by Qt's own bitmap reader
// alone: reading it by name would first load every image-format plugin to
// ask whether one reads it, which costs more than the decoding. Null when
// there is no such bitmap.
QImage builtInBitmap(const QString &resource);
