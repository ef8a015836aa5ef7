// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"

#include <QByteArray>
#include <QString>

// Reading a whole input file of modest size (a CSV or TMX file).
namespace InputFile {

// Names standard input as an input.
inline const QString StandardInput = QStringLiteral("-");

// How messages name an input: standard input by those words.
inline QString nameOf(const QString &path)
{
    return path == StandardInput ? QStringLiteral("standard input") : path;
}

// Far more than the largest map in any text format takes; a larger file is
// refused before it is read, a larger standard input once this much is read.
inline constexpr qint64 MaxBytes = qint64(64) * 1024 * 1024;

// A missing file, a folder, a pipe or a device, an unreadable or too large
// file is a failure that names path and says why. StandardInput reads
// standard input to its end.
Outcome<QByteArray> read(const QString &path);

} // namespace InputFile
