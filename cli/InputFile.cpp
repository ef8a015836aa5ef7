// SPDX-License-Identifier: MIT
#include "cli/InputFile.h"

#include "core/files/FileKinds.h"

#include <QFile>
#include <QFileInfo>

namespace InputFile {

bool read(const QString &path, QByteArray *bytes, QString *error)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        *error = QStringLiteral("Is a folder, not a file");
        return false;
    }
    // Opening a pipe waits for a writer, and a device may never end.
    if (FileKinds::isSpecialFile(path)) {
        *error = FileKinds::NotRegularFile;
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.size() > MaxBytes) {
        *error = QStringLiteral("the file is larger than %1 MB").arg(MaxBytes / (1024 * 1024));
        return false;
    }
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    *bytes = std::move(content);
    return true;
}

} // namespace InputFile
