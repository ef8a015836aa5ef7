// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

// A list of files most recent first, as File > Recent Maps shows it.
namespace RecentFiles {

inline constexpr int Limit = 8;

// The list with path put first: an entry for the same file moves up rather
// than showing twice, and the oldest entries beyond Limit drop off.
QStringList withRecent(const QStringList &list, const QString &path);

} // namespace RecentFiles
