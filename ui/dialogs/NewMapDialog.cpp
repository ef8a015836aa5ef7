// SPDX-License-Identifier: MIT
#include "ui/dialogs/NewMapDialog.h"

#include "core/state/EditorState.h"
#include "core/edit/MapCommands.h"
#include "host/Fonts.h"
#include "ui/dialogs/SizeDialogConstants.h"

namespace Layout = SizeDialogLayout;
namespace Texts = SizeDialogTexts;

NewMapDialog::NewMapDialog(EditorState &state, MessageBox &messageBox, QWidget *parent)
    : SizeDialog(state, messageBox, Layout::NewMap, "createMapButton", Texts::CreateNewMap, parent)
{
    setObjectName(QStringLiteral("newMapDialog"));
    setWindowTitle(Texts::NewMapCaption);
    // A sizable frame with minimize and maximize buttons; the controls keep
    // their places when the window is resized.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    resize(Layout::NewMap.client);

    m_defaultSizeHint = navyLabel("defaultSizeHint", Texts::NewMapHint, Layout::NewMapHint,
                                  Fonts::font(Fonts::MsSansSerif, Layout::HintPoints, true), this);
}

void NewMapDialog::apply(SizeFieldCheck::MapSize size)
{
    MapCommands::applyNewMap(m_state, size);
}
