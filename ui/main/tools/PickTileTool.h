// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main/tools/RectangleDrag.h"

#include <functional>

// Pick Tile: a click takes the tile of a map cell as the one to paint with,
// a drag makes a stamp of the dragged cells. The tile picker is told, so its
// preview and outline follow.
class PickTileTool : public RectangleDrag
{
public:
    PickTileTool(const ToolContext &context, std::function<void()> picked)
        : RectangleDrag(context), m_picked(std::move(picked))
    {
    }

protected:
    void finished(const QRect &cells) override;

private:
    std::function<void()> m_picked;
};
