// SPDX-License-Identifier: MIT
#pragma once

#include "ui/dialogs/SizeDialog.h"

// frmNewMap: asks for the size of a new blank map. It reports through
// DialogCancelled, set to 1 when it opens and to 0 only when "Create New Map"
// has made the new map; the New Map command reads it once the dialog closes.
class NewMapDialog : public SizeDialog
{
    Q_OBJECT

public:
    NewMapDialog(EditorState &state, MessageBox &messageBox, QWidget *parent = nullptr);

protected:
    void apply(SizeFieldCheck::MapSize size) override;

private:
    QLabel *Label4 = nullptr;
};
