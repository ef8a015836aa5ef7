// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the editor's other windows open beside the main window. Rectangles
// are window frames, title bar and border included, in screen pixels;
// available is the main window's screen without its panels.
namespace WindowPlacement {

struct PickerPlace
{
    // Where the main window's frame goes: where it is, or raised as little as
    // makes room for the picker below it.
    QPoint mainTopLeft;
    QPoint pickerTopLeft;

    bool operator==(const PickerPlace &) const = default;
};

// The tile picker opens below the main window's frame, at its left edge,
// never over it: where the screen is tall enough for both, the main window
// rises as far as the picker needs (never above the screen's top); on a
// screen too short for both, the picker stands at the screen's bottom edge.
// Either way the picker stays within the screen.
PickerPlace pickerBelow(const QRect &mainFrame, QSize pickerFrame, const QRect &available);

// A window such as the help opens beside the main window: to its right, else
// to its left, else centred over it, within the screen.
QPoint beside(const QRect &mainFrame, QSize frame, const QRect &available);

} // namespace WindowPlacement
