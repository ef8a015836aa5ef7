// SPDX-License-Identifier: MIT
#include "core/files/OpenedFileKind.h"

#include "core/files/FileKinds.h"

#include <QFile>

namespace OpenedFileKind {

namespace {

const QByteArray MapStart = QByteArrayLiteral("\xFE\x4F");

} // namespace

Kind of(const QString &fileName, QByteArrayView firstBytes)
{
    for (const QLatin1String suffix : {QLatin1String(".map"), QLatin1String(".prg")})
        if (fileName.endsWith(suffix, Qt::CaseInsensitive))
            return Kind::Map;
    return firstBytes.startsWith(MapStart) ? Kind::Map : Kind::Picture;
}

Kind ofFile(const QString &path)
{
    QByteArray start;
    QFile file(path);
    if (!FileKinds::isSpecialFile(path) && file.open(QIODevice::ReadOnly))
        start = file.read(MapStart.size());
    return of(path, start);
}

} // namespace OpenedFileKind
