// SPDX-License-Identifier: MIT
#include "ui/about/HelpWindow.h"

#include "resources/BuiltInArt.h"
#include "ui/about/HelpTopics.h"
#include "ui/about/HelpWindowConstants.h"
#include "ui/main/MainWindowConstants.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QPushButton *toolButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(HelpWindowTexts::Title);
    setWindowIcon(QPixmap::fromImage(builtInPicture(MainWindowTexts::IconResource)));
    resize(HelpWindowLayout::WindowSize);

    m_back = toolButton("backButton", HelpWindowTexts::BackCaption, this);
    m_forward = toolButton("forwardButton", HelpWindowTexts::ForwardCaption, this);
    m_contents = toolButton("contentsButton", HelpWindowTexts::ContentsCaption, this);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    // Addresses outside the help go to the system's browser.
    m_browser->setOpenExternalLinks(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addWidget(m_contents);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);

    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_contents, &QPushButton::clicked, this,
            [this] { showHelp(helpFile, HelpTopics::ContentsContext); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::showTitle);
}

void HelpWindow::showHelp(const QString &path, int context)
{
    const QString page = HelpTopics::topicPage(path, context);
    if (page.isEmpty())
        return;
    m_browser->setSource(QUrl::fromLocalFile(page));
    show();
    raise();
    activateWindow();
    // The page takes the keys, so it scrolls with the keyboard at once.
    m_browser->setFocus();
}

void HelpWindow::showTitle()
{
    const QString topic = m_browser->documentTitle();
    setWindowTitle(topic.isEmpty() ? HelpWindowTexts::Title
                                   : HelpWindowTexts::Title + QStringLiteral(" - ") + topic);
}
