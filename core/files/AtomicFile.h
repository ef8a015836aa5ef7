// SPDX-License-Identifier: MIT
#pragma once

#include "core/files/FileResult.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

class QIODevice;

// Writing a file so that it is either complete or not changed at all: the
// content goes into a temporary file beside the target, which replaces the
// target only once everything was written. A failed write leaves an existing
// file as it was and no temporary file behind; a pipe, a device or a socket
// of that name is refused, never replaced. A write cut short (the disk may be
// full) fails with the counts of bytes.
namespace AtomicFile {

// Writes bytes as the whole content of the file at path.
FileResult write(const QString &path, QByteArrayView bytes);

// Lets fill put the content into the open file, for content made while it is
// written. Every write to the device is checked: once one fails, further
// writes fail too and that failure is the result. Otherwise a failure fill
// returns is the result.
FileResult write(const QString &path, const std::function<FileResult(QIODevice &file)> &fill);

} // namespace AtomicFile
