// SPDX-License-Identifier: MIT
#include "core/history/PixelBlocks.h"

#include "core/render/TileGeometry.h"

#include <cstring>

namespace PixelBlocks {

namespace {
constexpr int BytesPerPixel = 4;
} // namespace

bool same(const QImage &a, QPoint aAt, const QImage &b, QPoint bAt, QSize size)
{
    const qsizetype rowBytes = size.width() * BytesPerPixel;
    for (int row = 0; row < size.height(); ++row)
        if (std::memcmp(a.constScanLine(aAt.y() + row) + aAt.x() * BytesPerPixel,
                        b.constScanLine(bAt.y() + row) + bAt.x() * BytesPerPixel, rowBytes) != 0)
            return false;
    return true;
}

bool allOf(const QImage &image, const QRect &rect, QRgb colour)
{
    for (int row = rect.top(); row <= rect.bottom(); ++row) {
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(row));
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (pixels[x] != colour)
                return false;
    }
    return true;
}

QRect cellBlock(QSize canvas, int cellIndex)
{
    const QPoint origin =
        Tiles::cellOrigin(cellIndex % Tiles::GridColumns, cellIndex / Tiles::GridColumns);
    return QRect(origin, QSize(Tiles::TileSize, Tiles::TileSize))
        .intersected(QRect(QPoint(0, 0), canvas));
}

} // namespace PixelBlocks

QImage BlockPool::intern(const QImage &image, const QRect &rect)
{
    const qsizetype rowBytes = rect.width() * qsizetype(sizeof(QRgb));
    std::size_t hash = qHash(rect.size());
    for (int row = rect.top(); row <= rect.bottom(); ++row)
        hash = qHashBits(image.constScanLine(row) + rect.x() * sizeof(QRgb), rowBytes, hash);

    for (auto it = m_blocks.constFind(hash); it != m_blocks.cend() && it.key() == hash; ++it)
        if (it->size() == rect.size() &&
            PixelBlocks::same(*it, QPoint(0, 0), image, rect.topLeft(), rect.size()))
            return *it;

    if (m_blocks.size() >= 2 * m_sizeAfterDrop + 64)
        dropUnused();
    QImage copy = image.copy(rect);
    m_blocks.insert(hash, copy);
    return copy;
}

void BlockPool::dropUnused()
{
    // A picture only the pool still holds belongs to no step any more.
    m_blocks.removeIf([](const auto &entry) { return entry.value().isDetached(); });
    m_sizeAfterDrop = m_blocks.size();
}
