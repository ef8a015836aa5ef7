// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QWidget>

#include <vector>

class EditorState;
class MapCanvas;

// Marks drawn over the map canvas around the cells that Find showed to hold
// a tile, at the canvas's zoom; it lets every mouse event through to the
// canvas. A mark goes as soon as it no longer applies: its cell took
// another tile or left the map; and all go when the map or the sheet is
// replaced or renumbered as a whole (New Map, Load Map, Resize, Fill, Clear,
// Load Tiles, Import Picture, Compact Tiles and the undo and redo of these).
class CellMarks : public QWidget
{
public:
    CellMarks(EditorState &state, MapCanvas &canvas);

    // Marks the cells, found to hold the tile; none hides the marks.
    void show(int tile, const std::vector<QPoint> &cells);
    void clear() { show(0, {}); }
    const std::vector<QPoint> &cells() const { return m_cells; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void onCanvasDrawn(const QRect &rect);
    void dropStaleMarks();

    EditorState &m_state;
    MapCanvas &m_canvas;
    int m_tile = 0;
    std::vector<QPoint> m_cells;
    bool m_checkScheduled = false;
};
