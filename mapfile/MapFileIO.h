// SPDX-License-Identifier: MIT
#pragma once

#include "core/files/FileResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Map files on disk. Neither call touches the editor's state, so a failed
// load or save leaves the map as it was.
namespace MapFile {

// Reads the file's first 32,772 bytes (all of a shorter file) into bytes.
// A missing file, a folder, a pipe or a device, a file that may not be read
// or a read error fails with the reason, and bytes stays as it was.
FileResult read(const QString &path, QByteArray *bytes);

// Writes bytes to path atomically (AtomicFile::write): a failed save leaves
// any existing file of that name untouched.
FileResult save(const QString &path, QByteArrayView bytes);

} // namespace MapFile
