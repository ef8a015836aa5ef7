// SPDX-License-Identifier: MIT
#include "resources/BuiltInArt.h"

#include <QImageReader>
#include <QtGlobal>

void initBuiltInArt()
{
    Q_INIT_RESOURCE(art);
}

QImage builtInBitmap(const QString &resource)
{
    initBuiltInArt();
    QImageReader reader(resource, QByteArrayLiteral("bmp"));
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
