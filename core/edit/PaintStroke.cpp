// SPDX-License-Identifier: MIT
#include "core/edit/PaintStroke.h"

#include "core/history/EditHistory.h"
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "core/history/PixelBlocks.h"

using Tiles::TileSize;

namespace {

// Merging steps with the same id makes one stroke of many ticks.
constexpr int PaintStrokeId = 1;

const QRect BrushBlock(0, 0, TileSize, TileSize);

// Whether the clipped block of the canvas shows the sheet's tile.
bool showsTile(const EditorState &state, const QRect &block, int tile)
{
    return PixelBlocks::same(state.mapCanvas.imageIn(block), block.topLeft(),
                             state.tileSheet.image(), Tiles::sheetOrigin(tile), block.size());
}

} // namespace

bool PaintStroke::paint(EditorState &state, int column, int row)
{
    const int index = row * Tiles::GridColumns + column;
    if (!state.history.recording()) {
        blitBrush(state, column * TileSize, row * TileSize);
        state.tileMap[index] = static_cast<std::uint8_t>(state.selectedTile);
        return true;
    }
    const Cell cell{static_cast<std::uint16_t>(index), state.tileMap[index],
                    static_cast<std::uint8_t>(state.selectedTile)};
    const QImage &brushImage = state.brushPreview.image();
    const QRect block = PixelBlocks::cellBlock(state.mapCanvas.size(), index);
    // Of a canvas still waiting to be drawn, only this block is drawn now.
    const QImage &canvas = state.mapCanvas.imageIn(block);
    const bool pictureChanges =
        !PixelBlocks::same(canvas, block.topLeft(), brushImage, QPoint(0, 0), block.size());
    if (cell.before == cell.after && !pictureChanges)
        return false;

    BlockPool &pool = state.history.blocks();
    const bool brushIsTile = PixelBlocks::same(brushImage, QPoint(0, 0), state.tileSheet.image(),
                                               Tiles::sheetOrigin(cell.after), BrushBlock.size());
    const QImage brush = brushIsTile ? QImage() : pool.intern(brushImage, BrushBlock);
    const QImage before = block.isEmpty() || showsTile(state, block, cell.before)
                              ? QImage()
                              : pool.intern(canvas, block);
    state.history.push(new PaintStroke(state, cell, brush, before));
    return true;
}

PaintStroke::PaintStroke(EditorState &state, Cell cell, const QImage &brush, const QImage &before)
    : m_state(&state), m_first(cell)
{
    setText(StepNames::Paint);
    if (!brush.isNull())
        more().brush = brush;
    if (!before.isNull())
        more().before.emplace_back(cell.index, before);
}

PaintStroke::More &PaintStroke::more()
{
    if (!m_more)
        m_more = std::make_unique<More>();
    return *m_more;
}

template <typename Visit> void PaintStroke::forEachCell(Visit visit) const
{
    visit(m_first);
    if (m_more)
        for (const Cell &cell : m_more->cells)
            visit(cell);
}

int PaintStroke::id() const
{
    return PaintStrokeId;
}

const QImage *PaintStroke::brush() const
{
    return m_more && !m_more->brush.isNull() ? &m_more->brush : nullptr;
}

bool PaintStroke::mergeWith(const QUndoCommand *other)
{
    const auto *tick = static_cast<const PaintStroke *>(other);
    if (!m_state->history.strokeTakes(this))
        return false;
    // One stroke paints one tile with one brush; a new selection starts a
    // new step.
    const QImage *ours = brush();
    const QImage *theirs = tick->brush();
    if (tick->m_first.after != m_first.after || (ours == nullptr) != (theirs == nullptr) ||
        (ours && ours->cacheKey() != theirs->cacheKey()))
        return false;

    tick->forEachCell([this](const Cell &cell) { more().cells.push_back(cell); });
    if (tick->m_more)
        for (const auto &picture : tick->m_more->before)
            more().before.push_back(picture);
    return true;
}

void PaintStroke::undo()
{
    EditorState &state = *m_state;
    forEachCell([&state](const Cell &cell) {
        state.tileMap[cell.index] = cell.before;
        blitTile(state, cell.before, cell.index % Tiles::GridColumns,
                 cell.index / Tiles::GridColumns);
    });
    if (m_more)
        for (const auto &[index, picture] : m_more->before)
            state.mapCanvas.drawImage((index % Tiles::GridColumns) * TileSize,
                                      (index / Tiles::GridColumns) * TileSize, picture);
}

void PaintStroke::redo()
{
    EditorState &state = *m_state;
    const QImage *picture = brush();
    forEachCell([&state, picture](const Cell &cell) {
        state.tileMap[cell.index] = cell.after;
        const int column = cell.index % Tiles::GridColumns;
        const int row = cell.index / Tiles::GridColumns;
        if (picture)
            state.mapCanvas.drawImage(column * TileSize, row * TileSize, *picture);
        else
            blitTile(state, cell.after, column, row);
    });
}
