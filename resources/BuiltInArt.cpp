// SPDX-License-Identifier: MIT
#include "resources/BuiltInArt.h"

#include <QFileInfo>
#include <QImageReader>
#include <QtGlobal>

void initBuiltInArt()
{
    Q_INIT_RESOURCE(art);
}

QImage builtInPicture(const QString &resource)
{
    initBuiltInArt();
    QImageReader reader(resource, QFileInfo(resource).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
