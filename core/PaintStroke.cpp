// SPDX-License-Identifier: MIT
#include "core/PaintStroke.h"

#include "core/EditHistory.h"
#include "core/EditorState.h"
#include "core/MapRoutines.h"
#include "core/PixelBlocks.h"

using Tiles::TileSize;

namespace {

// Merging steps with the same id makes one stroke of many ticks.
constexpr int PaintStrokeId = 1;

const QRect BrushBlock(0, 0, TileSize, TileSize);

// Whether the clipped block of the canvas shows the sheet's tile.
bool showsTile(const EditorState &state, const QRect &block, int tile)
{
    return PixelBlocks::same(state.mapCanvas.image(), block.topLeft(), state.tileSheet.image(),
                             Tiles::sheetOrigin(tile), block.size());
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
    const QRect block = PixelBlocks::cellBlock(state.mapCanvas.image(), index);
    const bool pictureChanges = !PixelBlocks::same(state.mapCanvas.image(), block.topLeft(),
                                                   brushImage, QPoint(0, 0), block.size());
    if (cell.before == cell.after && !pictureChanges)
        return false;

    BlockPool &pool = state.history.blocks();
    const bool brushIsTile = PixelBlocks::same(brushImage, QPoint(0, 0), state.tileSheet.image(),
                                               Tiles::sheetOrigin(cell.after), BrushBlock.size());
    const QImage brush = brushIsTile ? QImage() : pool.intern(brushImage, BrushBlock);
    const QImage before = block.isEmpty() || showsTile(state, block, cell.before)
                              ? QImage()
                              : pool.intern(state.mapCanvas.image(), block);
    state.history.push(new PaintStroke(state, cell, brush, before));
    return true;
}

PaintStroke::PaintStroke(EditorState &state, Cell cell, const QImage &brush, const QImage &before)
    : m_state(&state)
{
    setText(StepNames::Paint);
    m_cells.append(cell);
    if (!brush.isNull() || !before.isNull()) {
        m_pictures = std::make_unique<Pictures>();
        m_pictures->brush = brush;
        if (!before.isNull())
            m_pictures->before.append({cell.index, before});
    }
}

int PaintStroke::id() const
{
    return PaintStrokeId;
}

const QImage *PaintStroke::brush() const
{
    return m_pictures && !m_pictures->brush.isNull() ? &m_pictures->brush : nullptr;
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
    if (tick->m_cells.front().after != m_cells.front().after ||
        (ours == nullptr) != (theirs == nullptr) ||
        (ours && ours->cacheKey() != theirs->cacheKey()))
        return false;

    m_cells.append(tick->m_cells.constBegin(), tick->m_cells.size());
    if (tick->m_pictures && !tick->m_pictures->before.isEmpty()) {
        if (!m_pictures)
            m_pictures = std::make_unique<Pictures>();
        m_pictures->before.append(tick->m_pictures->before);
    }
    return true;
}

void PaintStroke::undo()
{
    EditorState &state = *m_state;
    for (const Cell &cell : m_cells) {
        state.tileMap[cell.index] = cell.before;
        blitTile(state, cell.before, cell.index % Tiles::GridColumns,
                 cell.index / Tiles::GridColumns);
    }
    if (m_pictures)
        for (const auto &[index, picture] : m_pictures->before)
            state.mapCanvas.drawImage((index % Tiles::GridColumns) * TileSize,
                                      (index / Tiles::GridColumns) * TileSize, picture);
}

void PaintStroke::redo()
{
    EditorState &state = *m_state;
    const QImage *picture = brush();
    for (const Cell &cell : m_cells) {
        state.tileMap[cell.index] = cell.after;
        const int column = cell.index % Tiles::GridColumns;
        const int row = cell.index / Tiles::GridColumns;
        if (picture)
            state.mapCanvas.drawImage(column * TileSize, row * TileSize, *picture);
        else
            blitTile(state, cell.after, column, row);
    }
}
