// SPDX-License-Identifier: MIT
#pragma once

#include <QFileInfo>
#include <QString>

namespace FileKinds {

inline const QString NotRegularFile = QStringLiteral("Not a regular file");

// A pipe, a device or a socket: neither a regular file nor a folder. Reading
// one may wait for a writer for good, and an atomic save would put a plain
// file in its place.
inline bool isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

} // namespace FileKinds
