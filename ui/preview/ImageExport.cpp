// SPDX-License-Identifier: MIT
#include "ui/preview/ImageExport.h"

#include "core/BitmapExport.h"
#include "host/FileDialog.h"
#include "host/Host.h"
#include "host/MessageBox.h"

namespace ImageExport {

void createImage(Host host, const std::function<QImage()> &picture)
{
    FileDialog &dialog = host.fileDialog;
    dialog.title = DialogTitle;
    dialog.filter = Filter;
    dialog.fileName = QString();
    dialog.showSave();
    const QString fileName = dialog.fileName;
    if (fileName.isEmpty())
        return;

    const QImage image = picture();
    const QString reason = image.isNull() ? OutOfMemoryReason : writeBitmapFile(image, fileName);
    if (!reason.isEmpty())
        host.messageBox.show(WriteFailedMessage.arg(fileName, reason), MessageBox::Buttons::Ok);
}

} // namespace ImageExport
