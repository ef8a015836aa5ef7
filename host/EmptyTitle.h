// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Keeps a top-level window's title bar without caption text. Qt hands the
// window system the application's name in place of an empty title; under
// X11 this clears the title properties again each time the window is shown.
namespace EmptyTitle {

void keep(QWidget &window);

} // namespace EmptyTitle
