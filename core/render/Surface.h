// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QRegion>

#include <cstdint>
#include <memory>
#include <vector>

// A drawing surface with a retained image: what is drawn stays until it is
// drawn over or cleared. Views show the image; the surface only collects the
// region that changed and tells them once that something needs repainting, so
// thousands of blits during a full redraw cost one repaint.
//
// A tile grid is drawn one band of tile rows at a time when those pixels are
// first read or drawn over, so a 32 MiB canvas of which a view shows a part
// costs only that part until more of it is needed. Every pixel read through
// image() or imageIn() is the same as if the whole grid had been drawn at once.
class Surface : public QObject
{
    Q_OBJECT

public:
    explicit Surface(QSize size, QColor background, QObject *parent = nullptr);

    QSize size() const { return m_image.size(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    QColor background() const { return m_background; }
    // The whole picture.
    const QImage &image() const;
    // The picture, up to date at least within rect (what a view repaints).
    const QImage &imageIn(const QRect &rect) const;
    // Rows first .. first + count - 1 of the picture (clipped to it), for a
    // reader that takes them once, such as a file writer, as 32-bit pixels
    // (the surface's own format) or as 24-bit blue, green, red pixels. Rows
    // whose tiles are still waiting are drawn into an image of their own in
    // that format and keep waiting on the surface, so a picture written out
    // band by band never needs the whole surface in memory nor a conversion.
    // Other 32-bit rows are a view of the surface's image, valid until the
    // surface next changes. Null when there is not enough memory for them.
    QImage rows(int first, int count, QImage::Format format = QImage::Format_RGB32) const;

    // Clears the whole image to the background colour.
    void clear();

    // Gives the surface a new size. The top-left part of the picture that
    // both sizes share is kept; new area is background.
    void resize(QSize size);

    // Gives the surface a new size for a caller that draws every pixel of it
    // next: nothing is kept and nothing is cleared, so a large surface costs
    // one pass over its memory instead of three.
    void resizeForRedraw(QSize size);
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

    // Copies a picture (of the surface's format) to (x, y), clipped like blit.
    void drawImage(int x, int y, const QImage &picture);

    // The region changed since the last call, as the blocks that changed
    // rather than their bounding box; empties it.
    QRegion takeDirty();

Q_SIGNALS:
    // Emitted when the surface goes from clean to changed; views then ask for
    // the changed region with takeDirty().
    void dirtied();
    void resized(QSize size);
    // Each block drawn, as it is drawn, for an observer that follows what
    // changed (views take the region with takeDirty() instead).
    void drawn(const QRect &rect);

private:
    // A grid whose bands of tile rows are drawn when first needed.
    struct PendingGrid
    {
        QImage sheet;
        // The sheet as 24-bit pixels, made when rows are first asked for so.
        mutable QImage packedSheet;
        std::vector<std::uint8_t> cells;
        int sheetColumns = 0;
        int columns = 0;
        std::vector<bool> bandsLeft;
        int bandCount = 0;
    };

    void markDirty(const QRect &rect);
    void drawGridBands(const QImage &sheet, int sheetColumns, const std::uint8_t *cells,
                       int columns, int firstRow, int lastRow) const;
    bool onlyPendingBandsIn(int firstLine, int lastLine) const;
    void drawPendingBands(const QRect &rect) const;
    void dropPendingGrid() const { m_pending.reset(); }

    // Mutable because drawing a pending band only completes what the
    // picture already is.
    mutable QImage m_image;
    mutable std::unique_ptr<PendingGrid> m_pending;
    QColor m_background;
    QRegion m_dirty;
};
