// SPDX-License-Identifier: MIT
#include "core/Surface.h"

#include <QPainter>

#include <cstring>

namespace {
constexpr QImage::Format SurfaceFormat = QImage::Format_RGB32;
// The tile size the line-by-line grid drawing is tuned for.
constexpr int FastTileSize = 16;
} // namespace

Surface::Surface(QSize size, QColor background, QObject *parent)
    : QObject(parent), m_image(size, SurfaceFormat), m_background(background)
{
    m_image.fill(m_background);
}

void Surface::clear()
{
    m_image.fill(m_background);
    markDirty(m_image.rect());
}

void Surface::resize(QSize size)
{
    if (size == m_image.size())
        return;
    QImage next(size, SurfaceFormat);
    next.fill(m_background);
    const int rowBytes = std::min(size.width(), m_image.width()) * 4;
    const int rows = std::min(size.height(), m_image.height());
    for (int y = 0; y < rows; ++y)
        std::memcpy(next.scanLine(y), m_image.constScanLine(y), rowBytes);
    m_image = std::move(next);
    m_dirty = m_dirty.intersected(m_image.rect());
    Q_EMIT resized(size);
    markDirty(m_image.rect());
}

void Surface::setPicture(const QImage &picture)
{
    m_image.fill(m_background);
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, picture.convertToFormat(SurfaceFormat));
    painter.end();
    markDirty(m_image.rect());
}

void Surface::blit(int dx, int dy, int w, int h, const Surface &source, int sx, int sy)
{
    // Clip against the source first, shifting the destination with it, then
    // against the destination.
    QRect src(sx, sy, w, h);
    QRect clippedSrc = src.intersected(source.m_image.rect());
    QRect dst = clippedSrc.translated(dx - sx, dy - sy).intersected(m_image.rect());
    if (dst.isEmpty())
        return;
    const int srcX = dst.x() - dx + sx;
    const int srcY = dst.y() - dy + sy;
    const int rowBytes = dst.width() * 4;
    const qsizetype fromStride = source.m_image.bytesPerLine();
    const qsizetype toStride = m_image.bytesPerLine();
    const uchar *from = source.m_image.constBits() + srcY * fromStride + srcX * 4;
    uchar *to = m_image.bits() + dst.y() * toStride + dst.x() * 4;
    for (int row = 0; row < dst.height(); ++row, from += fromStride, to += toStride)
        std::memmove(to, from, rowBytes);
    markDirty(dst);
}

void Surface::drawTileGrid(const Surface &sheet, int sheetColumns, const std::uint8_t *cells,
                           int columns, int rows, int tileSize)
{
    constexpr int TileCount = 256;
    const int sheetRows = TileCount / sheetColumns;
    if (tileSize != FastTileSize || sheet.width() < sheetColumns * tileSize ||
        sheet.height() < sheetRows * tileSize) {
        // Odd sizes take the general clipped path, one blit a cell.
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column) {
                const int tile = cells[row * columns + column];
                blit(column * tileSize, row * tileSize, tileSize, tileSize, sheet,
                     (tile % sheetColumns) * tileSize, (tile / sheetColumns) * tileSize);
            }
        return;
    }

    const qsizetype toStride = m_image.bytesPerLine();
    const qsizetype fromStride = sheet.m_image.bytesPerLine();
    const uchar *tileOrigins[TileCount];
    for (int tile = 0; tile < TileCount; ++tile)
        tileOrigins[tile] = sheet.m_image.constBits() +
                            (tile / sheetColumns) * FastTileSize * fromStride +
                            (tile % sheetColumns) * FastTileSize * 4;

    const int wholeColumns = std::min(columns, width() / FastTileSize);
    const int partColumnBytes =
        wholeColumns < columns ? (width() - wholeColumns * FastTileSize) * 4 : 0;
    const int visibleRows = std::min(rows, (height() + FastTileSize - 1) / FastTileSize);
    uchar *bits = m_image.bits();

    for (int row = 0; row < visibleRows; ++row) {
        const std::uint8_t *rowCells = cells + row * columns;
        const int lines = std::min(FastTileSize, height() - row * FastTileSize);
        for (int line = 0; line < lines; ++line) {
            uchar *to = bits + (row * FastTileSize + line) * toStride;
            const qsizetype lineOffset = line * fromStride;
            for (int column = 0; column < wholeColumns; ++column, to += FastTileSize * 4)
                std::memcpy(to, tileOrigins[rowCells[column]] + lineOffset, FastTileSize * 4);
            if (partColumnBytes > 0)
                std::memcpy(to, tileOrigins[rowCells[wholeColumns]] + lineOffset, partColumnBytes);
        }
    }
    markDirty(
        QRect(0, 0, std::min(width(), columns * tileSize), std::min(height(), rows * tileSize)));
}

void Surface::fillBackground(const QRect &rect)
{
    const QRect clipped = rect.intersected(m_image.rect());
    if (clipped.isEmpty())
        return;
    QPainter painter(&m_image);
    painter.fillRect(clipped, m_background);
    painter.end();
    markDirty(clipped);
}

QRect Surface::takeDirty()
{
    return std::exchange(m_dirty, QRect());
}

void Surface::markDirty(const QRect &rect)
{
    const bool wasClean = m_dirty.isEmpty();
    m_dirty = m_dirty.united(rect);
    if (wasClean)
        Q_EMIT dirtied();
}
