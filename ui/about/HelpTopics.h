// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QString>

// Where the help lives and how a context number finds its topic. The help
// file is a folder of pages; its context table names the page of each context
// number.
namespace HelpTopics {

inline const QString HelpFileName = QStringLiteral("Tesselwick-Help");
inline const QString ContextTableName = QStringLiteral("contexts.txt");
// The topic that Help (F1) opens: the contents page.
inline constexpr int ContentsContext = 30;

// The help file of the program in programFolder: the Tesselwick-Help folder
// beside it where there is one (the build tree), otherwise the installed
// help in the data folder next to the program's folder.
QString helpFileFor(const QString &programFolder);

// The help file of this program, found from the program's own folder
// whatever the working folder is.
QString helpFilePath();

// Reads a context table: one topic a line, the context number and then the
// page's file name, separated by blanks. Blank lines, lines starting with "#"
// and lines that do not fit are skipped.
QHash<int, QString> readContextTable(const QString &text);

// The full path of the page for a context number in the help file at
// helpFile, or "" when the table, the number or the page is missing.
QString topicPage(const QString &helpFile, int context);

} // namespace HelpTopics
