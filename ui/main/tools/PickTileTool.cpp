// SPDX-License-Identifier: MIT
#include "ui/main/tools/PickTileTool.h"

#include "core/edit/TilePicking.h"
#include "core/state/CellRect.h"

void PickTileTool::finished(const QRect &cells)
{
    if (CellRect::insideMap(m_state, cells).isEmpty())
        return;
    TilePicking::pickFromMap(m_state, cells);
    m_picked();
}
