// SPDX-License-Identifier: MIT
#pragma once

#include "host/HelpViewer.h"

#include <QWidget>

class QPushButton;
class QTextBrowser;

// The editor's help viewer: a window of its own that shows the help pages
// and follows the links between them, with Back, Forward and Contents.
class HelpWindow : public QWidget, public HelpViewer
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    void showHelp(const QString &path, int context) override;

private:
    void showTitle();

    QTextBrowser *m_browser = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_forward = nullptr;
    QPushButton *m_contents = nullptr;
};
