// SPDX-License-Identifier: MIT
#include "ui/main/tools/BucketFillTool.h"

#include "core/edit/CellEdits.h"
#include "core/edit/ReplaceTile.h"
#include "core/state/CellRect.h"
#include "core/state/EditorState.h"
#include "ui/main/tools/Selection.h"

void BucketFillTool::press(const ToolEvent &event)
{
    if (event.button != Qt::LeftButton)
        return;
    const QPoint cell(event.cell.column, event.cell.row);
    if (!CellRect::editArea(m_state, m_selection.cells()).contains(cell))
        return;
    if (event.modifiers & Qt::ShiftModifier)
        ReplaceTile::replaceAll(m_state, m_state.cell(cell.x(), cell.y()), m_state.brush(), cell,
                                m_selection.cells());
    else
        CellEdits::bucketFill(m_state, cell, m_state.brush(), m_selection.cells());
}
