// SPDX-License-Identifier: MIT
#include "core/edit/CanvasPatch.h"

#include "core/state/EditorState.h"
#include "core/history/PackedState.h"
#include "core/history/PixelBlocks.h"

#include <QHash>

#include <vector>

using Tiles::TileSize;

namespace {

int blocksAcross(int pixels)
{
    return (pixels + TileSize - 1) / TileSize;
}

// Whether the canvas block at (column, row) shows what a redraw puts there:
// the sheet's tile of the grid cell, or background beyond the grid.
bool asRedrawn(const EditorState &state, const QRect &block, int column, int row)
{
    const QImage &canvas = state.mapCanvas.image();
    if (column >= Tiles::GridColumns || row >= Tiles::GridRows)
        return PixelBlocks::allOf(canvas, block, state.mapCanvas.background().rgb());
    const QPoint tile = Tiles::sheetOrigin(state.cell(column, row));
    return PixelBlocks::same(canvas, block.topLeft(), state.tileSheet.image(), tile, block.size());
}

} // namespace

CanvasPatch CanvasPatch::capture(const EditorState &state, BlockPool &pool)
{
    const QImage &canvas = state.mapCanvas.image();
    CanvasPatch patch;
    patch.m_columns = blocksAcross(canvas.width());
    const int rows = blocksAcross(canvas.height());
    std::vector<quint32> blocks(std::size_t(patch.m_columns) * rows, 0);
    QHash<qint64, quint32> numbers;

    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < patch.m_columns; ++column) {
            const QRect block = QRect(column * TileSize, row * TileSize, TileSize, TileSize)
                                    .intersected(canvas.rect());
            if (asRedrawn(state, block, column, row))
                continue;
            const QImage picture = pool.intern(canvas, block);
            auto number = numbers.constFind(picture.cacheKey());
            if (number == numbers.cend()) {
                patch.m_pictures.append(picture);
                number = numbers.insert(picture.cacheKey(), quint32(patch.m_pictures.size()));
            }
            blocks[std::size_t(row) * patch.m_columns + column] = *number;
        }

    if (!patch.m_pictures.isEmpty())
        patch.m_blocks =
            PackedState::compress(blocks.data(), qsizetype(blocks.size() * sizeof(quint32)));
    return patch;
}

void CanvasPatch::apply(EditorState &state) const
{
    if (m_pictures.isEmpty())
        return;
    const QByteArray raw = qUncompress(m_blocks);
    const auto *blocks = reinterpret_cast<const quint32 *>(raw.constData());
    const qsizetype count = raw.size() / qsizetype(sizeof(quint32));
    for (qsizetype i = 0; i < count; ++i)
        if (blocks[i] != 0)
            state.mapCanvas.drawImage(int(i % m_columns) * TileSize, int(i / m_columns) * TileSize,
                                      m_pictures.at(blocks[i] - 1));
}
