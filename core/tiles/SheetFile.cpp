// SPDX-License-Identifier: MIT
#include "core/tiles/SheetFile.h"

#include "core/files/AtomicFile.h"
#include "core/files/BitmapExport.h"

#include <QFileInfo>
#include <QImageWriter>

namespace SheetFile {

FileResult write(const QImage &sheet, const QString &path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0)
        return writeBitmapFile(sheet, path);
    return AtomicFile::write(path, [&](QIODevice &device) {
        QImageWriter writer(&device, "png");
        if (writer.write(sheet))
            return FileResult();
        return FileResult::failure(path, writer.errorString());
    });
}

} // namespace SheetFile
