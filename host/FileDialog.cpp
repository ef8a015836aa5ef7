// SPDX-License-Identifier: MIT
#include "host/FileDialog.h"

#include <QFileInfo>

void FileDialog::show(Mode mode)
{
    fileName = choose(mode);
    fileTitle = fileName.isEmpty() ? QString() : QFileInfo(fileName).fileName();
}
