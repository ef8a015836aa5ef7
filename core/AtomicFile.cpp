// SPDX-License-Identifier: MIT
#include "core/AtomicFile.h"

#include "core/FileKinds.h"

#include <QSaveFile>

namespace AtomicFile {

QString write(const QString &fileName, const std::function<QString(QIODevice &)> &fill)
{
    // The commit renames the new file over the target, which would put a
    // plain file in the place of a pipe or a device.
    if (FileKinds::isSpecialFile(fileName))
        return FileKinds::NotRegularFile;
    // Leaving with the file uncommitted discards the temporary file.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QString reason = fill(file);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString writeAll(QIODevice &device, QByteArrayView bytes)
{
    const qint64 written = device.write(bytes.data(), bytes.size());
    if (written == bytes.size())
        return QString();
    if (written < 0)
        return device.errorString();
    return QStringLiteral("only %1 of %2 bytes could be written; the disk may be full")
        .arg(written)
        .arg(bytes.size());
}

} // namespace AtomicFile
