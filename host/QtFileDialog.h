// SPDX-License-Identifier: MIT
#pragma once

#include "host/FileDialog.h"

#include <QStringList>

#include <memory>

class QAbstractFileIconProvider;

// The file dialog shown with Qt's own dialog, modal to the active window.
class QtFileDialog : public FileDialog
{
public:
    QtFileDialog();
    ~QtFileDialog() override;

    // "MAP Files (.map, .prg)|*.map;*.prg|" becomes Qt's
    // "MAP Files (.map, .prg) (*.map *.prg)"; the dialog lists it by its
    // description, "MAP Files (.map, .prg)".
    static QStringList nameFilters(const QString &filter);

protected:
    QString choose(Mode mode) override;

private:
    static void forgetPaintedIcons();

    // One provider for every showing: its folder and file icons stay the same
    // pictures, so the scaled copies Qt caches for painting them are found
    // again rather than added anew each time the dialog opens.
    std::unique_ptr<QAbstractFileIconProvider> m_icons;
};
