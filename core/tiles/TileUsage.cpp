// SPDX-License-Identifier: MIT
#include "core/tiles/TileUsage.h"

#include "core/state/EditorState.h"

#include <algorithm>

using Tiles::TileSize;

TileUsage::TileUsage(EditorState &state, QObject *parent)
    : QObject(parent), m_state(state), m_drawn(Tiles::GridCells, false)
{
    connect(&state.mapCanvas, &Surface::drawn, this, &TileUsage::onCanvasDrawn);
    connect(&state.mapCanvas, &Surface::resized, this, &TileUsage::onRecountNeeded);
    // A new sheet comes with a redraw or (Compact) a renumbering that draws
    // nothing on the canvas.
    connect(&state.tileSheet, &Surface::drawn, this, &TileUsage::onRecountNeeded);
    // A recorded step has changed the grid and drawn the canvas once the
    // history's index moves: counting then needs no event of its own.
    connect(&state.history.stack(), &QUndoStack::indexChanged, this, &TileUsage::update);
    recount();
}

const TileBudget::Counts &TileUsage::counts()
{
    update();
    return m_counts;
}

int TileUsage::usedTiles()
{
    int used = 0;
    for (const int count : counts())
        used += count > 0 ? 1 : 0;
    return used;
}

void TileUsage::onCanvasDrawn(const QRect &rect)
{
    if (m_recount)
        return;
    if (rect.contains(QRect(QPoint(0, 0), m_state.mapCanvas.size()))) {
        onRecountNeeded();
        return;
    }
    if (rect.isEmpty())
        return;
    const int firstColumn = std::max(0, rect.left() / TileSize);
    const int lastColumn = std::min(Tiles::GridColumns - 1, rect.right() / TileSize);
    const int firstRow = std::max(0, rect.top() / TileSize);
    const int lastRow = std::min(Tiles::GridRows - 1, rect.bottom() / TileSize);
    for (int row = firstRow; row <= lastRow; ++row)
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const int index = row * Tiles::GridColumns + column;
            if (!m_drawn[index]) {
                m_drawn[index] = true;
                m_drawnCells.push_back(static_cast<std::uint16_t>(index));
            }
        }
    if (!m_state.history.recording())
        schedule();
}

void TileUsage::onRecountNeeded()
{
    m_recount = true;
    for (const std::uint16_t index : m_drawnCells)
        m_drawn[index] = false;
    m_drawnCells.clear();
    schedule();
}

void TileUsage::schedule()
{
    if (m_scheduled)
        return;
    m_scheduled = true;
    QMetaObject::invokeMethod(this, &TileUsage::update, Qt::QueuedConnection);
}

void TileUsage::update()
{
    m_scheduled = false;
    if (!m_recount && m_drawnCells.empty() && TileBudget::mapCells(m_state) == m_countedCells)
        return;
    if (m_recount || TileBudget::mapCells(m_state) != m_countedCells) {
        recount();
        QList<int> all;
        all.reserve(Tiles::TileCount);
        for (int tile = 0; tile < Tiles::TileCount; ++tile)
            all.append(tile);
        Q_EMIT changed(all);
        return;
    }
    QList<int> moved;
    for (const std::uint16_t index : m_drawnCells) {
        m_drawn[index] = false;
        const std::uint8_t before = m_counted[index];
        const std::uint8_t now = m_state.tileMap[index];
        if (before == now || !m_countedCells.contains(index % Tiles::GridColumns,
                                                      index / Tiles::GridColumns))
            continue;
        --m_counts[before];
        ++m_counts[now];
        m_counted[index] = now;
        moved.append(before);
        moved.append(now);
    }
    m_drawnCells.clear();
    if (!moved.isEmpty())
        Q_EMIT changed(moved);
}

void TileUsage::recount()
{
    for (const std::uint16_t index : m_drawnCells)
        m_drawn[index] = false;
    m_drawnCells.clear();
    m_counted = m_state.tileMap;
    m_countedCells = TileBudget::mapCells(m_state);
    m_counts = TileBudget::countUses(m_state);
    m_recount = false;
}
