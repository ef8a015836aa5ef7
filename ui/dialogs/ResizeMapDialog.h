// SPDX-License-Identifier: MIT
#pragma once

#include "ui/dialogs/SizeDialog.h"

// Form4: asks for a new size of the current map and applies it without
// touching a cell of the grid. "Resize Map" sets DialogCancelled to 0 and
// "Cancel" to 1; opening the dialog leaves it as it was.
class ResizeMapDialog : public SizeDialog
{
    Q_OBJECT

public:
    ResizeMapDialog(EditorState &state, MessageBox &messageBox, QWidget *parent = nullptr);

protected:
    void apply(SizeFieldCheck::MapSize size) override;
};
