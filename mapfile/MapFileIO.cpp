// SPDX-License-Identifier: MIT
#include "mapfile/MapFileIO.h"

#include "core/files/AtomicFile.h"
#include "core/files/FileKinds.h"
#include "mapfile/MapFileFormat.h"

#include <QFile>

namespace MapFile {

FileResult read(const QString &path, QByteArray *bytes)
{
    // Opening a pipe waits for a writer, and a device may never end.
    if (FileKinds::isSpecialFile(path))
        return FileResult::failure(path, FileKinds::NotRegularFile);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileResult::failure(path, file.errorString());
    QByteArray content = file.read(FileSize);
    if (file.error() != QFileDevice::NoError)
        return FileResult::failure(path, file.errorString());
    *bytes = std::move(content);
    return FileResult();
}

FileResult save(const QString &path, QByteArrayView bytes)
{
    return AtomicFile::write(path, bytes);
}

} // namespace MapFile
