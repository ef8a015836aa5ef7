// SPDX-License-Identifier: MIT
#include "core/files/RecentFiles.h"

#include <QFileInfo>

namespace RecentFiles {

QStringList withRecent(const QStringList &list, const QString &path)
{
    // The same file by another spelling ("./a.map", "dir/../a.map") is one entry.
    const QString entry = QFileInfo(path).absoluteFilePath();
    QStringList result{entry};
    for (const QString &earlier : list) {
        if (result.size() == Limit)
            break;
        if (QFileInfo(earlier).absoluteFilePath() != entry)
            result.append(earlier);
    }
    return result;
}

} // namespace RecentFiles
