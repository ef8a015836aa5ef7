// SPDX-License-Identifier: MIT
#pragma once

#include "host/FileDialog.h"

#include <QStringList>

class QWidget;

// The file dialog shown with Qt's own dialog, modal to its parent window.
class QtFileDialog : public FileDialog
{
public:
    explicit QtFileDialog(QWidget *parent) : m_parent(parent) {}

    // "MAP Files (.map, .prg)|*.map;*.prg|" becomes Qt's
    // "MAP Files (.map, .prg) (*.map *.prg)".
    static QStringList nameFilters(const QString &filter);

protected:
    QString choose(Mode mode) override;

private:
    QWidget *m_parent;
};
