// SPDX-License-Identifier: MIT
#include "mapfile/MapFileIO.h"

#include "core/AtomicFile.h"
#include "core/FileKinds.h"
#include "mapfile/MapFileFormat.h"

#include <QFile>

namespace MapFile {

namespace {

using FileKinds::isSpecialFile;
using FileKinds::NotRegularFile;

} // namespace

bool read(const QString &path, QByteArray *bytes, QString *error)
{
    // Opening a pipe waits for a writer, and a device may never end.
    if (isSpecialFile(path)) {
        *error = NotRegularFile;
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    QByteArray content = file.read(FileSize);
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    *bytes = std::move(content);
    return true;
}

bool save(const QString &path, QByteArrayView bytes, QString *error)
{
    *error = AtomicFile::write(
        path, [bytes](QIODevice &file) { return AtomicFile::writeAll(file, bytes); });
    return error->isEmpty();
}

} // namespace MapFile
