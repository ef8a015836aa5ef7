// SPDX-License-Identifier: MIT
#pragma once

#include "ui/dialogs/SizeDialog.h"

// Asks for the size of a new blank map. exec() returns Accepted only when
// "Create New Map" has made the new map.
class NewMapDialog : public SizeDialog
{
    Q_OBJECT

public:
    NewMapDialog(EditorState &state, MessageBox &messageBox, QWidget *parent = nullptr);

protected:
    void apply(SizeFieldCheck::MapSize size) override;

private:
    QLabel *m_defaultSizeHint = nullptr;
};
