// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main/tools/RectangleDrag.h"

// Rectangle Fill: the dragged rectangle is filled with the brush (the
// selected tile, or the stamp repeated) on release, as one undo step.
class RectangleFillTool : public RectangleDrag
{
public:
    using RectangleDrag::RectangleDrag;

protected:
    void finished(const QRect &cells) override;
};
