// SPDX-License-Identifier: MIT
#pragma once

#include "core/FileResult.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

class QIODevice;

// Writing a file so that it is either wholly there or not changed at all.
//
// The content goes into a temporary file beside the target, which replaces
// the target only once everything was written. On failure the temporary file
// is removed and any existing file of that name is left untouched. A pipe, a
// device or a socket of that name is refused, never replaced. A write cut
// short (the disk may be full) fails with the counts of bytes.

// Writes bytes as the whole content of the file at path.
FileResult writeAtomically(const QString &path, QByteArrayView bytes);

// Lets write put the content into the open file, for content made while it
// is written. A failure write returns is the result unless writing to the
// file failed first.
FileResult writeAtomically(const QString &path,
                           const std::function<FileResult(QIODevice &file)> &write);
