// SPDX-License-Identifier: MIT
#include "ui/about/HelpOnDemand.h"

#include "core/state/WindowPlacement.h"
#include "ui/about/HelpWindow.h"

#include <QScreen>

HelpOnDemand::HelpOnDemand() = default;

HelpOnDemand::~HelpOnDemand() = default;

void HelpOnDemand::showHelp(const QString &path, int context)
{
    if (!m_window) {
        m_window = std::make_unique<HelpWindow>();
        if (m_anchor && m_anchor->screen()) {
            // Not yet framed: it takes the decorations the anchor has.
            const QSize decorations = m_anchor->frameGeometry().size() - m_anchor->size();
            m_window->move(WindowPlacement::beside(m_anchor->frameGeometry(),
                                                   m_window->size() + decorations,
                                                   m_anchor->screen()->availableGeometry()));
        }
    }
    m_window->helpFile = helpFile;
    m_window->showHelp(path, context);
}
