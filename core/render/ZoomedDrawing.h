// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

// Drawing a part of a picture zoomed by a whole factor (200, 300, 400, 800 %)
// or reduced by one (50, 25 %), straight into another picture, with an
// optional grid: what the map view does at every repaint, in one pass over
// the pixels it writes, so a zoomed repaint costs about what an unzoomed
// one does and no zoomed picture of the whole map is ever made.
namespace ZoomedDrawing {

// Whether the zoom is one that draw() handles: 100 times a whole factor,
// or 100 divided by one.
bool handles(int percent);

// Writes the pixels of `view` (a rectangle of the zoomed picture, whose
// size is the source's size times percent / 100) to target with view's
// top-left at `at`. A view pixel (x, y) is the source pixel
// (x * 100 / percent, y * 100 / percent): nearest neighbour. With a grid
// cell of n > 0 view pixels, the pixels whose x or y is a multiple of n are
// gridColour. Parts of view beyond the zoomed picture, and of the placed
// rectangle beyond target, are left out. source and target are 32-bit.
void draw(const QImage &source, int percent, const QRect &view, QImage &target, QPoint at,
          int gridCell = 0, QRgb gridColour = 0);

} // namespace ZoomedDrawing
