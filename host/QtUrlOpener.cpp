// SPDX-License-Identifier: MIT
#include "host/QtUrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

void QtUrlOpener::open(const QUrl &address)
{
    // Whether a handler took the address does not matter to the editor.
    QDesktopServices::openUrl(address);
}
