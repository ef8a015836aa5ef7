// SPDX-License-Identifier: MIT
#include "ui/about/HelpOnDemand.h"

#include "ui/about/HelpWindow.h"

HelpOnDemand::HelpOnDemand() = default;

HelpOnDemand::~HelpOnDemand() = default;

void HelpOnDemand::showHelp(const QString &path, int context)
{
    if (!m_window)
        m_window = std::make_unique<HelpWindow>();
    m_window->helpFile = helpFile;
    m_window->showHelp(path, context);
}
