// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"

#include <QByteArrayView>
#include <QStringList>

// How a file read as a map differs from a map file the editor wrote. The
// editor reads anything (a short file as if padded with zeros, only the
// first 32,772 bytes of a long one, sizes clamped into the grid); a build
// step wants to hear about a truncated checkout or a picture named .map.
namespace MapFileCheck {

// Refuses a file of any size but 32,772 bytes, saying what its first bytes
// look like when they show another kind of file.
Outcome<> exactSize(qint64 size, QByteArrayView start);

// The editor's size clamps of the width and height bytes ("width byte 0
// taken as 1"); none for a size the bytes give as they are.
QStringList sizeClamps(QByteArrayView bytes);

// Everything the editor's Load Map would take otherwise than the file says:
// a short or long file, clamped sizes, a canvas taller than the grid. None
// when it loads the file unchanged.
QStringList loadChanges(QByteArrayView bytes, qint64 size);

} // namespace MapFileCheck
