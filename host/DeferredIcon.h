// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

#include <functional>

// An icon whose pictures are made by `make` when it is first painted or
// asked about, not when it is handed out. Qt's own standard icons are read
// from picture files, and the first such read loads every image-format
// plugin; an icon that a window holds but rarely shows, such as the menu
// bar's overflow button, then costs nothing at start.
QIcon deferredIcon(std::function<QIcon()> make);
