// SPDX-License-Identifier: MIT
#pragma once

#include <QFileInfo>
#include <QString>

namespace FileKinds {

inline const QString NotRegularFile = QStringLiteral("Not a regular file");

// The reason for a write that ended short without an error of its own, as a
// write to a full disk does.
inline QString shortWriteReason(qint64 written, qint64 wanted)
{
    return QStringLiteral("only %1 of %2 bytes could be written; the disk may be full")
        .arg(written)
        .arg(wanted);
}

// A pipe, a device or a socket: neither a regular file nor a folder. Reading
// one may wait for a writer for good, and an atomic save would put a plain
// file in its place.
inline bool isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

} // namespace FileKinds
