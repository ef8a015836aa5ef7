// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main/tools/Tool.h"

// Painting: a press of any button starts a stroke, and every tick while it
// is held paints the cell under the pointer; the stroke is one undo step.
class BrushTool : public Tool
{
public:
    using Tool::Tool;

    void press(const ToolEvent &event) override;
    void release(const ToolEvent &event) override;
    void tick() override;
    void interrupt() override;

private:
    void endStroke();

    bool m_held = false;
};
