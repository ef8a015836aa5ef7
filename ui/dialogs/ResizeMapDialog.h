// SPDX-License-Identifier: MIT
#pragma once

#include "ui/dialogs/SizeDialog.h"

// Asks for a new size of the current map and applies it without touching a
// cell of the grid. exec() returns Accepted only when "Resize Map" has
// applied the size.
class ResizeMapDialog : public SizeDialog
{
    Q_OBJECT

public:
    ResizeMapDialog(EditorState &state, MessageBox &messageBox, QWidget *parent = nullptr);

protected:
    void apply(SizeFieldCheck::MapSize size) override;
};
