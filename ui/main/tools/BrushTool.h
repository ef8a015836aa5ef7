// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main/tools/Tool.h"

#include <QRect>

// Painting: a press of any button starts a stroke, and every tick while it
// is held puts the brush (the selected tile, or a stamp with its top-left
// tile there) on each cell of the line from the last tick's cell to the cell
// under the pointer; the stroke is one undo step. A click that ends before
// the first tick (a touchpad's tap) puts the brush once on the pressed cell.
//
// A stamp (made in the picker, with Pick Tile or by a paste) shows its
// tiles under the pointer, seen through, framed.
//
// A pasted stamp floats: it follows the pointer, and a left press places it
// at once, as one undo step, before the stroke goes on with it. It stays
// the brush until another tool is chosen, Esc, or a pick in the tile picker.
class BrushTool : public Tool
{
public:
    using Tool::Tool;

    // Makes the brush's stamp (already set in the state) float until placed.
    void floatPaste();
    // The brush changed in the picker: a pasted stamp is no longer in use.
    void forgetPaste();

    void press(const ToolEvent &event) override;
    void move(const ToolEvent &event) override;
    void release(const ToolEvent &event) override;
    void tick() override;
    void interrupt() override;
    void deactivate() override;
    void paintOverlay(QPainter &painter, const MapCanvas &canvas) const override;

private:
    void endStroke();
    QRect footprint() const;
    void setPointer(Painting::Cell cell);
    void showFootprint();

    bool m_held = false;
    bool m_paintedThisStroke = false;
    Painting::Cell m_pressed;
    Painting::Cell m_lastPainted;
    Painting::Cell m_pointer;
    bool m_pointerKnown = false;
    bool m_pasted = false;
    bool m_floating = false;
    // The cells the overlay last showed the stamp on.
    QRect m_shownFootprint;
};
