// SPDX-License-Identifier: MIT
#include "core/Surface.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <sys/mman.h>

namespace {
constexpr QImage::Format SurfaceFormat = QImage::Format_RGB32;
// The tile size the line-by-line grid drawing is tuned for.
constexpr int FastTileSize = 16;
// Large images live in memory the system may back with 2 MB pages: a full
// canvas (32 MB) then takes sixteen page faults instead of eight thousand,
// which is most of the time a full load spends outside the drawing itself.
constexpr std::size_t HugePage = std::size_t(2) << 20;

QImage newImage(QSize size)
{
    const std::size_t bytes =
        std::size_t(std::max(size.width(), 0)) * 4 * std::max(size.height(), 0);
    if (bytes < 2 * HugePage)
        return QImage(size, SurfaceFormat);
    const std::size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
    void *memory = std::aligned_alloc(HugePage, rounded);
    if (memory == nullptr)
        return QImage(size, SurfaceFormat);
    madvise(memory, rounded, MADV_HUGEPAGE);
    return QImage(static_cast<uchar *>(memory), size.width(), size.height(), size.width() * 4,
                  SurfaceFormat, std::free, memory);
}
} // namespace

Surface::Surface(QSize size, QColor background, QObject *parent)
    : QObject(parent), m_image(newImage(size)), m_background(background)
{
    m_image.fill(m_background);
}

const QImage &Surface::image() const
{
    return imageIn(m_image.rect());
}

const QImage &Surface::imageIn(const QRect &rect) const
{
    drawPendingBands(rect);
    return m_image;
}

void Surface::clear()
{
    dropPendingGrid();
    m_image.fill(m_background);
    markDirty(m_image.rect());
}

void Surface::resize(QSize size)
{
    if (size == m_image.size())
        return;
    drawPendingBands(m_image.rect());
    QImage next = newImage(size);
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

void Surface::resizeForRedraw(QSize size)
{
    if (size == m_image.size())
        return;
    dropPendingGrid();
    m_image = QImage();
    m_image = newImage(size);
    m_dirty = QRect();
    Q_EMIT resized(size);
    markDirty(m_image.rect());
}

void Surface::setPicture(const QImage &picture)
{
    dropPendingGrid();
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
    source.drawPendingBands(QRect(srcX, srcY, dst.width(), dst.height()));
    drawPendingBands(dst);
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

    const int visibleRows = std::min(rows, (height() + FastTileSize - 1) / FastTileSize);
    const QImage &sheetImage = sheet.image();
    if (columns * FastTileSize < width() || (m_pending && m_pending->bandCount > visibleRows)) {
        // Bands the grid leaves partly uncovered are drawn at once.
        drawPendingBands(m_image.rect());
        drawGridBands(sheetImage, sheetColumns, cells, columns, 0, visibleRows);
    } else {
        auto pending = std::make_unique<PendingGrid>();
        pending->sheet = sheetImage;
        pending->cells.assign(cells, cells + qsizetype(visibleRows) * columns);
        pending->sheetColumns = sheetColumns;
        pending->columns = columns;
        pending->bandsLeft.assign(visibleRows, true);
        pending->bandCount = visibleRows;
        m_pending = std::move(pending);
    }
    markDirty(
        QRect(0, 0, std::min(width(), columns * tileSize), std::min(height(), rows * tileSize)));
}

void Surface::drawGridBands(const QImage &sheet, int sheetColumns, const std::uint8_t *cells,
                            int columns, int firstRow, int lastRow) const
{
    constexpr int TileCount = 256;
    const qsizetype toStride = m_image.bytesPerLine();
    const qsizetype fromStride = sheet.bytesPerLine();
    const uchar *tileOrigins[TileCount];
    for (int tile = 0; tile < TileCount; ++tile)
        tileOrigins[tile] = sheet.constBits() + (tile / sheetColumns) * FastTileSize * fromStride +
                            (tile % sheetColumns) * FastTileSize * 4;

    const int wholeColumns = std::min(columns, width() / FastTileSize);
    const int partColumnBytes =
        wholeColumns < columns ? (width() - wholeColumns * FastTileSize) * 4 : 0;
    uchar *bits = m_image.bits();

    for (int row = firstRow; row < lastRow; ++row) {
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
}

void Surface::drawPendingBands(const QRect &rect) const
{
    const QRect wanted = rect.intersected(m_image.rect());
    if (!m_pending || wanted.isEmpty())
        return;
    PendingGrid &grid = *m_pending;
    const int last = std::min(grid.bandCount - 1, wanted.bottom() / FastTileSize);
    for (int band = wanted.top() / FastTileSize; band <= last; ++band) {
        if (!grid.bandsLeft[band])
            continue;
        // Runs of waiting bands are drawn together.
        int end = band + 1;
        while (end <= last && grid.bandsLeft[end])
            ++end;
        drawGridBands(grid.sheet, grid.sheetColumns, grid.cells.data(), grid.columns, band, end);
        std::fill(grid.bandsLeft.begin() + band, grid.bandsLeft.begin() + end, false);
        band = end - 1;
    }
    if (std::none_of(grid.bandsLeft.begin(), grid.bandsLeft.end(), [](bool left) { return left; }))
        dropPendingGrid();
}

void Surface::fillBackground(const QRect &rect)
{
    const QRect clipped = rect.intersected(m_image.rect());
    if (clipped.isEmpty())
        return;
    drawPendingBands(clipped);
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
