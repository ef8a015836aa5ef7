// SPDX-License-Identifier: MIT
#pragma once

#include "core/files/FileResult.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <vector>

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

// Puts the content into the open file, for content made while it is
// written. Every write to the device is checked: once one fails, further
// writes fail too and that failure is the result. Otherwise a failure the
// fill returns is the result.
using Fill = std::function<FileResult(QIODevice &file)>;

FileResult write(const QString &path, const Fill &fill);

// One file of a set written together: bytes at hand, or a picture or other
// content made as it is written.
struct Content
{
    Content(QString path, QByteArrayView bytes);
    Content(QString path, Fill fill);

    QString path;
    Fill fill;
};

// Writes several files as one: each is written whole beside its target
// first (as ".NAME.writing"), and only once all of them are written do they
// replace their targets. A failed write leaves every target as it was, so a
// set of files that belong together (a source and its header, numbered
// screens) is never left half old, half new.
FileResult writeAll(const std::vector<Content> &contents);

} // namespace AtomicFile
