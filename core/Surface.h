// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QRect>

#include <cstdint>

// A drawing surface with a retained image: what is drawn stays until it is
// drawn over or cleared. Views show the image; the surface only collects the
// region that changed and tells them once that something needs repainting, so
// thousands of blits during a full redraw cost one repaint.
class Surface : public QObject
{
    Q_OBJECT

public:
    explicit Surface(QSize size, QColor background, QObject *parent = nullptr);

    QSize size() const { return m_image.size(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    QColor background() const { return m_background; }
    const QImage &image() const { return m_image; }

    // Clears the whole image to the background colour.
    void clear();

    // Gives the surface a new size. The top-left part of the picture that
    // both sizes share is kept; new area is background.
    void resize(QSize size);

    // Shows a picture at the top-left corner without changing the surface's
    // size: a larger picture is cut, a smaller one leaves background around it.
    void setPicture(const QImage &picture);

    // Copies a w x h block from source at (sx, sy) to (dx, dy), unchanged.
    // Clipped to both images, so blocks beyond the edges are harmless.
    void blit(int dx, int dy, int w, int h, const Surface &source, int sx, int sy);

    // Draws a grid of tiles from a tile sheet laid out in rows of
    // sheetColumns tiles: cell (c, r) of cells (row-major, columns wide) gets
    // the sheet's tile cells[r * columns + c] at (c * tileSize, r * tileSize).
    // The same picture as one blit a cell, written line by line so the canvas
    // fills at memory speed. Cells beyond the surface are clipped.
    void drawTileGrid(const Surface &sheet, int sheetColumns, const std::uint8_t *cells,
                      int columns, int rows, int tileSize);

    // Fills a block with the background colour (used to mark uncovered areas).
    void fillBackground(const QRect &rect);

    // The region changed since the last call; empties it.
    QRect takeDirty();

Q_SIGNALS:
    // Emitted when the surface goes from clean to changed; views then ask for
    // the changed region with takeDirty().
    void dirtied();
    void resized(QSize size);

private:
    void markDirty(const QRect &rect);

    QImage m_image;
    QColor m_background;
    QRect m_dirty;
};
