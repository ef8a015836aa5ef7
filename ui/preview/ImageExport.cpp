// SPDX-License-Identifier: MIT
#include "ui/preview/ImageExport.h"

#include "core/files/BitmapExport.h"
#include "host/FileDialog.h"
#include "host/Host.h"
#include "host/MessageBox.h"
#include "ui/preview/PreviewWindowConstants.h"

namespace ImageExport {

using namespace ImageExportTexts;

void createImage(Host host, const std::function<FileResult(const QString &fileName)> &writeTo)
{
    FileDialog &dialog = host.fileDialog;
    dialog.title = DialogTitle;
    dialog.filter = Filter;
    dialog.fileName = QString();
    dialog.showSave();
    const QString fileName = dialog.fileName;
    if (fileName.isEmpty())
        return;

    const FileResult written = writeTo(fileName);
    if (!written.succeeded())
        host.messageBox.show(written.message(WriteFailedMessage), MessageBox::Buttons::Ok);
}

void createImage(Host host, const std::function<QImage()> &picture)
{
    createImage(host, [&picture](const QString &fileName) {
        const QImage image = picture();
        return image.isNull() ? FileResult::failure(fileName, OutOfMemoryReason)
                              : writeBitmapFile(image, fileName);
    });
}

} // namespace ImageExport
