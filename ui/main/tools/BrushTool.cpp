// SPDX-License-Identifier: MIT
#include "ui/main/tools/BrushTool.h"

#include "core/state/EditorState.h"

void BrushTool::press(const ToolEvent &)
{
    m_state.history.beginStroke();
    m_held = true;
}

void BrushTool::release(const ToolEvent &)
{
    endStroke();
}

void BrushTool::interrupt()
{
    endStroke();
}

void BrushTool::endStroke()
{
    m_state.history.endStroke();
    m_held = false;
}

void BrushTool::tick()
{
    if (m_held)
        Painting::paintTick(m_state);
}
