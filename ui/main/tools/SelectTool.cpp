// SPDX-License-Identifier: MIT
#include "ui/main/tools/SelectTool.h"

#include "core/state/CellRect.h"
#include "ui/main/tools/Selection.h"

void SelectTool::dragged(const QRect &cells)
{
    finished(cells);
}

void SelectTool::finished(const QRect &cells)
{
    // A drag wholly outside the map selects nothing.
    const QRect inside = CellRect::insideMap(m_state, cells);
    m_selection.set(inside.isEmpty() ? QRect() : inside);
}
