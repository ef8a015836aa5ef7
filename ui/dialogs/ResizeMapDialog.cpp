// SPDX-License-Identifier: MIT
#include "ui/dialogs/ResizeMapDialog.h"

#include "core/edit/MapCommands.h"
#include "ui/dialogs/SizeDialogConstants.h"

namespace Layout = SizeDialogLayout;
namespace Texts = SizeDialogTexts;

ResizeMapDialog::ResizeMapDialog(EditorState &state, MessageBox &messageBox, QWidget *parent)
    : SizeDialog(state, messageBox, Layout::ResizeMap, "resizeButton", Texts::ResizeMap, parent)
{
    setObjectName(QStringLiteral("resizeMapDialog"));
    setWindowTitle(Texts::ResizeMapCaption);
    // A fixed single frame without minimize and maximize buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Layout::ResizeMap.client);
}

void ResizeMapDialog::apply(SizeFieldCheck::MapSize size)
{
    MapCommands::applyResize(m_state, size);
}
