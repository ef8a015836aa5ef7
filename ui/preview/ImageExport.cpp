// SPDX-License-Identifier: MIT
#include "ui/preview/ImageExport.h"

#include "core/BitmapExport.h"
#include "host/FileDialog.h"
#include "host/Host.h"
#include "host/MessageBox.h"

namespace ImageExport {

void createImage(Host host, const std::function<QImage()> &picture)
{
    FileDialog &dialog = host.dlg1;
    dialog.DialogTitle = DialogTitle;
    dialog.Filter = Filter;
    dialog.FileName = QString();
    dialog.ShowSave();
    const QString fileName = dialog.FileName;
    if (fileName.isEmpty())
        return;

    const QImage image = picture();
    const QString reason = image.isNull() ? OutOfMemoryReason : writeBitmapFile(image, fileName);
    if (!reason.isEmpty())
        host.messageBox.MsgBox(WriteFailedMessage.arg(fileName, reason), MessageBox::Ok);
}

} // namespace ImageExport
