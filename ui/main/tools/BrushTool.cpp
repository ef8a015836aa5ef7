// SPDX-License-Identifier: MIT
#include "ui/main/tools/BrushTool.h"

#include "core/edit/CellEdits.h"
#include "core/state/EditorState.h"
#include "ui/main/MapCanvas.h"
#include "ui/main/tools/Outline.h"

#include <QPainter>

namespace {

// How much of the map shows through a stamp under the pointer.
constexpr qreal StampOpacity = 0.7;

} // namespace

void BrushTool::floatPaste()
{
    m_pasted = true;
    m_floating = true;
    showFootprint();
}

void BrushTool::forgetPaste()
{
    m_pasted = false;
    m_floating = false;
    // The new brush shows once the pointer is back over the canvas.
    m_pointerKnown = false;
    showFootprint();
}

void BrushTool::press(const ToolEvent &event)
{
    setPointer(event.cell);
    if (m_floating && event.button == Qt::LeftButton) {
        m_canvas.updateCells(footprint());
        CellEdits::pasteStamp(m_state, QPoint(event.cell.column, event.cell.row),
                              m_state.brush());
        m_floating = false;
    }
    m_state.history.beginStroke();
    m_held = true;
    m_paintedThisStroke = false;
    m_pressed = event.cell;
}

void BrushTool::move(const ToolEvent &event)
{
    setPointer(event.cell);
}

void BrushTool::release(const ToolEvent &)
{
    if (m_held && !m_paintedThisStroke)
        Painting::paintAt(m_state, m_pressed);
    endStroke();
}

void BrushTool::interrupt()
{
    endStroke();
}

void BrushTool::deactivate()
{
    if (m_pasted && m_state.hasStamp())
        m_state.dropStamp();
    m_pasted = false;
    m_floating = false;
    // The pointer's moves go to the tool in use: where it is now is known
    // again at its next move here.
    m_pointerKnown = false;
    showFootprint();
}

void BrushTool::endStroke()
{
    m_state.history.endStroke();
    m_held = false;
}

void BrushTool::tick()
{
    if (!m_held)
        return;
    const Painting::Cell at = Painting::paintPosition(m_state);
    if (m_paintedThisStroke)
        Painting::paintLine(m_state, m_lastPainted, at);
    else
        Painting::paintTick(m_state);
    m_lastPainted = at;
    m_paintedThisStroke = true;
}

QRect BrushTool::footprint() const
{
    if (!m_pointerKnown || !(m_floating || m_state.hasStamp()))
        return QRect();
    return QRect(QPoint(m_pointer.column, m_pointer.row), m_state.brush().size());
}

void BrushTool::setPointer(Painting::Cell cell)
{
    if (m_pointerKnown && cell == m_pointer)
        return;
    m_pointer = cell;
    m_pointerKnown = true;
    showFootprint();
}

void BrushTool::showFootprint()
{
    // The old footprint may have had another size (a new stamp).
    m_canvas.updateCells(m_shownFootprint);
    m_shownFootprint = footprint();
    m_canvas.updateCells(m_shownFootprint);
}

void BrushTool::paintOverlay(QPainter &painter, const MapCanvas &canvas) const
{
    const QRect cells = footprint();
    if (cells.isNull())
        return;
    // The stamp's tiles where it would land, seen through, the part in view
    // only: a paste still to place and a stamp to paint with alike.
    const QImage &sheet = m_state.tileSheet.image();
    const QRect visible = painter.clipBoundingRect().toAlignedRect();
    const QRect area = visible.isEmpty() ? canvas.rect() : visible;
    const Stamp stamp = m_state.brush();
    painter.save();
    painter.setOpacity(StampOpacity);
    for (int row = 0; row < stamp.height(); ++row) {
        for (int column = 0; column < stamp.width(); ++column) {
            const QRect target =
                canvas.viewRect(QRect(cells.left() + column, cells.top() + row, 1, 1));
            if (!target.intersects(area))
                continue;
            painter.drawImage(target, sheet,
                              QRect(Tiles::sheetOrigin(stamp.at(column, row)),
                                    QSize(Tiles::TileSize, Tiles::TileSize)));
        }
    }
    painter.restore();
    Outline::frame(painter, canvas.viewRect(cells));
}
