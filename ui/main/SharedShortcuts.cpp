// SPDX-License-Identifier: MIT
#include "ui/main/SharedShortcuts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace SharedShortcuts {

namespace {

void shareMenu(const QMenu &menu, QWidget &window)
{
    for (QAction *item : menu.actions()) {
        if (const QMenu *submenu = item->menu())
            shareMenu(*submenu, window);
        else if (!item->shortcuts().isEmpty())
            window.addAction(item);
    }
}

} // namespace

void shareWith(const QMenuBar &bar, QWidget &window)
{
    // A window shortcut of an action fires in every window the action was
    // added to, whichever of them is active.
    for (const QAction *menu : bar.actions())
        if (const QMenu *items = menu->menu())
            shareMenu(*items, window);
}

} // namespace SharedShortcuts
