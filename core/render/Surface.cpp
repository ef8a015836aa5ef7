// SPDX-License-Identifier: MIT
#include "core/render/Surface.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <sys/mman.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Lines of a grid of 16 x 16 tiles as they appear on a surface of the given
// width: written line by line, so a picture fills at memory speed.
namespace GridLines {

struct Grid
{
    // In the format of the lines drawn.
    const QImage &sheet;
    int sheetColumns;
    const std::uint8_t *cells;
    int columns;
};

#if defined(__SSE2__)
// A picture far larger than the caches is written past them: the stores
// then need no read of the lines they replace, which brings a full canvas
// close to the speed of filling it. Smaller pictures stay in the caches,
// where the view reads them next.
constexpr qsizetype StreamedBytes = qsizetype(8) << 20;

bool streams(const uchar *to, qsizetype stride, qsizetype bytes)
{
    return bytes >= StreamedBytes && reinterpret_cast<std::uintptr_t>(to) % 16 == 0 &&
           stride % 16 == 0;
}

void drawStreamed(uchar *to, qsizetype stride, const Grid &grid, const uchar *const *tileOrigins,
                  int wholeColumns, int partColumnBytes, int firstLine, int lastLine)
{
    constexpr int TileLineBytes = FastTileSize * 4;
    const qsizetype fromStride = grid.sheet.bytesPerLine();
    for (int y = firstLine; y < lastLine; ++y, to += stride) {
        const std::uint8_t *rowCells = grid.cells + (y / FastTileSize) * grid.columns;
        const qsizetype lineOffset = (y % FastTileSize) * fromStride;
        uchar *at = to;
        for (int column = 0; column < wholeColumns; ++column, at += TileLineBytes) {
            const auto *from =
                reinterpret_cast<const __m128i *>(tileOrigins[rowCells[column]] + lineOffset);
            auto *line = reinterpret_cast<__m128i *>(at);
            _mm_stream_si128(line, _mm_loadu_si128(from));
            _mm_stream_si128(line + 1, _mm_loadu_si128(from + 1));
            _mm_stream_si128(line + 2, _mm_loadu_si128(from + 2));
            _mm_stream_si128(line + 3, _mm_loadu_si128(from + 3));
        }
        if (partColumnBytes > 0)
            std::memcpy(at, tileOrigins[rowCells[wholeColumns]] + lineOffset, partColumnBytes);
    }
    // Streamed stores are ordered with the rest only after a fence.
    _mm_sfence();
}
#endif

// Draws the grid's lines firstLine .. lastLine - 1 at to, one line every
// stride bytes, in pixels of PixelBytes bytes. The grid must cover the width.
template <int PixelBytes>
void draw(uchar *to, qsizetype stride, int width, const Grid &grid, int firstLine, int lastLine)
{
    constexpr int TileCount = 256;
    constexpr int TileLineBytes = FastTileSize * PixelBytes;
    const qsizetype fromStride = grid.sheet.bytesPerLine();
    const uchar *tileOrigins[TileCount];
    for (int tile = 0; tile < TileCount; ++tile)
        tileOrigins[tile] = grid.sheet.constBits() +
                            (tile / grid.sheetColumns) * FastTileSize * fromStride +
                            (tile % grid.sheetColumns) * TileLineBytes;

    const int wholeColumns = std::min(grid.columns, width / FastTileSize);
    const int partColumnBytes =
        wholeColumns < grid.columns ? (width - wholeColumns * FastTileSize) * PixelBytes : 0;
#if defined(__SSE2__)
    if constexpr (PixelBytes == 4) {
        if (streams(to, stride, qsizetype(lastLine - firstLine) * stride)) {
            drawStreamed(to, stride, grid, tileOrigins, wholeColumns, partColumnBytes, firstLine,
                         lastLine);
            return;
        }
    }
#endif
    for (int y = firstLine; y < lastLine; ++y, to += stride) {
        const std::uint8_t *rowCells = grid.cells + (y / FastTileSize) * grid.columns;
        const qsizetype lineOffset = (y % FastTileSize) * fromStride;
        uchar *at = to;
        for (int column = 0; column < wholeColumns; ++column, at += TileLineBytes)
            std::memcpy(at, tileOrigins[rowCells[column]] + lineOffset, TileLineBytes);
        if (partColumnBytes > 0)
            std::memcpy(at, tileOrigins[rowCells[wholeColumns]] + lineOffset, partColumnBytes);
    }
}

} // namespace GridLines
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

QImage Surface::rows(int first, int count, QImage::Format format) const
{
    Q_ASSERT(format == SurfaceFormat || format == QImage::Format_BGR888);
    const QRect wanted = QRect(0, first, width(), count).intersected(m_image.rect());
    if (wanted.isEmpty())
        return QImage();
    if (!onlyPendingBandsIn(wanted.top(), wanted.bottom() + 1)) {
        const QImage &whole = imageIn(wanted);
        const QImage view(whole.constScanLine(wanted.top()), whole.width(), wanted.height(),
                          whole.bytesPerLine(), whole.format());
        return format == SurfaceFormat ? view : view.convertToFormat(format);
    }
    QImage part(wanted.size(), format);
    if (part.isNull())
        return part;
    const PendingGrid &grid = *m_pending;
    if (format == SurfaceFormat) {
        GridLines::draw<4>(part.bits(), part.bytesPerLine(), width(),
                           {grid.sheet, grid.sheetColumns, grid.cells.data(), grid.columns},
                           wanted.top(), wanted.bottom() + 1);
        return part;
    }
    if (grid.packedSheet.isNull())
        grid.packedSheet = grid.sheet.convertToFormat(QImage::Format_BGR888);
    GridLines::draw<3>(part.bits(), part.bytesPerLine(), width(),
                       {grid.packedSheet, grid.sheetColumns, grid.cells.data(), grid.columns},
                       wanted.top(), wanted.bottom() + 1);
    return part;
}

bool Surface::onlyPendingBandsIn(int firstLine, int lastLine) const
{
    if (!m_pending)
        return false;
    const int lastBand = (lastLine - 1) / FastTileSize;
    if (lastBand >= m_pending->bandCount)
        return false;
    for (int band = firstLine / FastTileSize; band <= lastBand; ++band)
        if (!m_pending->bandsLeft[band])
            return false;
    return true;
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
    const int firstLine = firstRow * FastTileSize;
    const int lastLine = std::min(lastRow * FastTileSize, height());
    GridLines::draw<4>(m_image.bits() + firstLine * m_image.bytesPerLine(), m_image.bytesPerLine(),
                       width(), {sheet, sheetColumns, cells, columns}, firstLine, lastLine);
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

void Surface::drawImage(int x, int y, const QImage &picture)
{
    const QRect dst = QRect(QPoint(x, y), picture.size()).intersected(m_image.rect());
    if (dst.isEmpty())
        return;
    drawPendingBands(dst);
    const int rowBytes = dst.width() * 4;
    const qsizetype toStride = m_image.bytesPerLine();
    uchar *to = m_image.bits() + dst.y() * toStride + dst.x() * 4;
    for (int row = dst.top(); row <= dst.bottom(); ++row, to += toStride)
        std::memcpy(to, picture.constScanLine(row - y) + (dst.x() - x) * 4, rowBytes);
    markDirty(dst);
}

QRegion Surface::takeDirty()
{
    return std::exchange(m_dirty, QRegion());
}

void Surface::markDirty(const QRect &rect)
{
    Q_EMIT drawn(rect);
    const bool wasClean = m_dirty.isEmpty();
    m_dirty = m_dirty.united(rect);
    if (wasClean)
        Q_EMIT dirtied();
}
