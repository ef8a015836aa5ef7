// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QMenu;

namespace RecentMapsTexts {
inline const QString Menu = QStringLiteral("Recent &Maps");
inline const QString Empty = QStringLiteral("(none)");
// The settings key of the list, most recent first.
inline const QString SettingsKey = QStringLiteral("recentMaps");
} // namespace RecentMapsTexts

// File > Recent Maps: the last maps loaded or saved, kept with QSettings so
// they outlive the editor. Built afresh each time the menu opens; a map whose
// file is gone stays listed, greyed, until newer ones push it off.
class RecentMapsMenu : public QObject
{
    Q_OBJECT

public:
    // Fills menu; choosing an entry calls open with its path.
    RecentMapsMenu(QMenu &menu, std::function<void(const QString &)> open);

    // A map was loaded from path or saved there.
    void add(const QString &path);

private:
    void rebuild();

    QMenu &m_menu;
    std::function<void(const QString &)> m_open;
};
