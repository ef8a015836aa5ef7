// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main/tools/Tool.h"

// Bucket Fill: a left click fills the region of the clicked cell's tile
// that the cell reaches, inside the selection if there is one; Shift+click
// replaces that tile everywhere in the map (or the selection). With a stamp,
// the stamp is repeated from the clicked cell. One undo step.
class BucketFillTool : public Tool
{
public:
    using Tool::Tool;

    void press(const ToolEvent &event) override;
};
