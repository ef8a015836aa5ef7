// SPDX-License-Identifier: MIT
#pragma once

#include "core/render/TileGeometry.h"
#include "core/tiles/TileBudget.h"

#include <QList>
#include <QObject>
#include <QRect>

#include <array>
#include <cstdint>
#include <vector>

class EditorState;

// How many of the map's cells hold each tile, kept current as the map
// changes. Every change of a map cell is drawn on the canvas, so the blocks
// the canvas reports drawn name the cells to look at: a stroke costs a look
// at the cells it painted, not a count of the whole map. Whole redraws, a
// new canvas size and a new sheet count the map anew. The counts catch up
// when a step of the history is done, undone or redone, and otherwise when
// the event loop next runs.
class TileUsage : public QObject
{
    Q_OBJECT

public:
    explicit TileUsage(EditorState &state, QObject *parent = nullptr);

    // The counts, brought up to date first.
    const TileBudget::Counts &counts();
    int uses(int tile) { return counts()[tile]; }
    int usedTiles();

    // Brings the counts up to date now rather than when the event loop next
    // runs; changed() tells which tiles' counts moved.
    void update();

Q_SIGNALS:
    // The counts of these tiles changed; all when everything was counted
    // anew.
    void changed(const QList<int> &tiles);

private:
    void onCanvasDrawn(const QRect &rect);
    void onRecountNeeded();
    void schedule();
    void recount();

    EditorState &m_state;
    TileBudget::Counts m_counts{};
    // The tile each counted cell held when it was counted.
    std::array<std::uint8_t, Tiles::GridCells> m_counted{};
    QRect m_countedCells;
    // Cells drawn since the last update, each once.
    std::vector<std::uint16_t> m_drawnCells;
    std::vector<bool> m_drawn;
    bool m_recount = true;
    bool m_scheduled = false;
};
