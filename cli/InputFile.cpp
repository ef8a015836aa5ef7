// SPDX-License-Identifier: MIT
#include "cli/InputFile.h"

#include "core/files/FileKinds.h"

#include <QFile>
#include <QFileInfo>

namespace InputFile {

Outcome<QByteArray> read(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return Failure::of(path, QStringLiteral("Is a folder, not a file"));
    // Opening a pipe waits for a writer, and a device may never end.
    if (FileKinds::isSpecialFile(path))
        return Failure::of(path, FileKinds::NotRegularFile);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure::of(path, file.errorString());
    if (file.size() > MaxBytes)
        return Failure::of(
            path, QStringLiteral("the file is larger than %1 MB").arg(MaxBytes / (1024 * 1024)));
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Failure::of(path, file.errorString());
    return content;
}

} // namespace InputFile
