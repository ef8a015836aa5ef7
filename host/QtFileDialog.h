// SPDX-License-Identifier: MIT
#pragma once

#include "host/FileDialog.h"

#include <QStringList>

// The file dialog shown with Qt's own dialog, modal to the active window.
class QtFileDialog : public FileDialog
{
public:
    // "MAP Files (.map, .prg)|*.map;*.prg|" becomes Qt's
    // "MAP Files (.map, .prg) (*.map *.prg)"; the dialog lists it by its
    // description, "MAP Files (.map, .prg)".
    static QStringList nameFilters(const QString &filter);

protected:
    QString choose(Mode mode) override;
};
