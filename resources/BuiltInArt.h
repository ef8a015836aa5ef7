// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

// Registers the built-in artwork (":/art/..."); safe to call more than once.
void initBuiltInArt();

// A compiled-in picture (":/art/name.bmp", ":/art/icons/name.png"), decoded
// by Qt's own reader for the format its suffix names, and by no other:
// reading it by name alone would first load every image-format plugin to ask
// whether one reads it, which costs more than the decoding. Null when there
// is no such picture.
QImage builtInPicture(const QString &resource);
