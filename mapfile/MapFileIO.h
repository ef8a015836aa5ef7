// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Map files on disk. Both calls report failure with the reason in words, and
// neither touches the editor's state, so a failed load or save leaves the map
// as it was.
namespace MapFile {

// Reads the file's first 32,772 bytes (all of a shorter file) into bytes.
// A missing file, a folder, a pipe or a device, a file that may not be read
// or a read error gives false and the reason in error.
bool read(const QString &path, QByteArray *bytes, QString *error);

// Writes bytes to path atomically: into a temporary file beside it that
// replaces the target only once everything was written. On failure the
// temporary file is removed, any existing file of that name is left
// untouched, and error holds the reason. A pipe or a device of that name is
// refused, never replaced.
bool save(const QString &path, QByteArrayView bytes, QString *error);

} // namespace MapFile
