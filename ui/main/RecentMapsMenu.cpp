// SPDX-License-Identifier: MIT
#include "ui/main/RecentMapsMenu.h"

#include "core/files/RecentFiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

RecentMapsMenu::RecentMapsMenu(QMenu &menu, std::function<void(const QString &)> open)
    : QObject(&menu), m_menu(menu), m_open(std::move(open))
{
    connect(&menu, &QMenu::aboutToShow, this, &RecentMapsMenu::rebuild);
    rebuild();
}

void RecentMapsMenu::add(const QString &path)
{
    QSettings settings;
    const QStringList list = settings.value(RecentMapsTexts::SettingsKey).toStringList();
    settings.setValue(RecentMapsTexts::SettingsKey, RecentFiles::withRecent(list, path));
}

void RecentMapsMenu::rebuild()
{
    m_menu.clear();
    const QStringList list = QSettings().value(RecentMapsTexts::SettingsKey).toStringList();
    if (list.isEmpty())
        m_menu.addAction(RecentMapsTexts::Empty)->setEnabled(false);
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString &path = list.at(i);
        // "&1 /maps/forest.map": the number chooses it; "&" in a name stays text.
        QString caption = QStringLiteral("&%1 %2").arg(i + 1).arg(
            QDir::toNativeSeparators(path).replace(QLatin1Char('&'), QStringLiteral("&&")));
        QAction *entry = m_menu.addAction(caption);
        entry->setEnabled(QFileInfo(path).isFile());
        connect(entry, &QAction::triggered, this, [this, path] { m_open(path); });
    }
}
