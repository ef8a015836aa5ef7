// SPDX-License-Identifier: MIT
#pragma once

class QMenuBar;
class QWidget;

// The main window's menu shortcuts (Ctrl+F, Ctrl+S, ...) also work while a
// tool window of the editor that has no text of its own is the active one,
// such as the tile picker. Windows with text to select and copy (the help)
// keep their own keys, and no shortcut reaches past a modal dialog.
namespace SharedShortcuts {

// Makes every item of the bar's menus that has a shortcut answer it in
// window too. Items stay where they are; window only listens for the keys.
void shareWith(const QMenuBar &bar, QWidget &window);

} // namespace SharedShortcuts
