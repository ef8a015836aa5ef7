// SPDX-License-Identifier: MIT
#include "ui/main/tools/RectangleFillTool.h"

#include "core/edit/CellEdits.h"
#include "core/state/EditorState.h"

void RectangleFillTool::finished(const QRect &cells)
{
    CellEdits::fillRectangle(m_state, cells, m_state.brush());
}
