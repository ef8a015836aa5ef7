// SPDX-License-Identifier: MIT
#pragma once

#include "host/HelpViewer.h"

#include <memory>

class HelpWindow;
class QWidget;

// The help viewer of the running editor: the help window is built when the
// help is first asked for, so that starting the editor does not pay for it.
class HelpOnDemand : public HelpViewer
{
public:
    HelpOnDemand();
    ~HelpOnDemand() override;

    void showHelp(const QString &path, int context) override;

    // The help window opens beside this window (the main window), or centred
    // over it, on its screen.
    void placeBeside(const QWidget *window) { m_anchor = window; }

    // The help window, once the help has been asked for; null until then.
    HelpWindow *window() const { return m_window.get(); }

private:
    std::unique_ptr<HelpWindow> m_window;
    const QWidget *m_anchor = nullptr;
};
