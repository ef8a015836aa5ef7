// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QImage>
#include <QRect>

#include <cstddef>

// Small rectangles of pixels (a cell's block of the canvas, the brush) as the
// undo history keeps them: compared in place, copied out only when needed,
// and shared between all steps that hold the same picture.
namespace PixelBlocks {

// Whether the w x h pixels of a at aAt equal those of b at bAt. Both images
// are 32-bit; the rectangles must lie inside them.
bool same(const QImage &a, QPoint aAt, const QImage &b, QPoint bAt, QSize size);

// Whether every pixel of the rectangle of image is colour.
bool allOf(const QImage &image, const QRect &rect, QRgb colour);

// The canvas block of a cell, clipped to the canvas; empty beyond it.
QRect cellBlock(QSize canvas, int cellIndex);

} // namespace PixelBlocks

// Keeps one copy of each distinct block picture that steps hold: a stroke
// painted with the same brush, or many cells showing the same stale picture,
// share one image. Pictures no step holds any more are dropped as the pool
// grows.
class BlockPool
{
public:
    // A copy of the rectangle of image, shared with every earlier copy of the
    // same pixels still held.
    QImage intern(const QImage &image, const QRect &rect);

private:
    void dropUnused();

    QMultiHash<std::size_t, QImage> m_blocks;
    qsizetype m_sizeAfterDrop = 0;
};
