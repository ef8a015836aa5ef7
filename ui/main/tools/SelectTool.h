// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main/tools/RectangleDrag.h"

// Select: the dragged rectangle, clipped to the map, becomes the selection
// as the pointer moves; the selection's own outline shows it.
class SelectTool : public RectangleDrag
{
public:
    using RectangleDrag::RectangleDrag;

protected:
    void dragged(const QRect &cells) override;
    void finished(const QRect &cells) override;
    bool outlinesDrag() const override { return false; }
};
