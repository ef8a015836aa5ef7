// SPDX-License-Identifier: MIT
#include "host/FileDialog.h"

#include <QFileInfo>

void FileDialog::show(Mode mode)
{
    FileName = choose(mode);
    FileTitle = FileName.isEmpty() ? QString() : QFileInfo(FileName).fileName();
}
