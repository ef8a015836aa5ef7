// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main/tools/Tool.h"

#include <QRect>

// A tool that acts on the rectangle of cells between a left press and the
// release (Select, Rectangle Fill, Pick Tile). While the button is held the
// rectangle so far is tinted and framed; other buttons do nothing.
class RectangleDrag : public Tool
{
public:
    using Tool::Tool;

    void press(const ToolEvent &event) override;
    void move(const ToolEvent &event) override;
    void release(const ToolEvent &event) override;
    void interrupt() override;
    void deactivate() override;
    void paintOverlay(QPainter &painter, const MapCanvas &canvas) const override;

protected:
    // The rectangle while the button is held, and when it is released.
    virtual void dragged(const QRect &) {}
    virtual void finished(const QRect &cells) = 0;
    // Whether the drag's rectangle is outlined while the button is held.
    virtual bool outlinesDrag() const { return true; }

private:
    QRect dragRect(Painting::Cell to) const;
    void track(const QRect &cells);
    void stop();

    bool m_dragging = false;
    Painting::Cell m_anchor;
    QRect m_cells;
};
