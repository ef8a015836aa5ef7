// SPDX-License-Identifier: MIT
#include "ui/about/HelpTopics.h"

#include "AppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace HelpTopics {

QString helpFileFor(const QString &programFolder)
{
    const QDir folder(programFolder);
    const QString beside = folder.filePath(HelpFileName);
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(folder.filePath(QLatin1String(AppInfo::InstalledHelpFolder)));
}

QString helpFilePath()
{
    return helpFileFor(QCoreApplication::applicationDirPath());
}

QHash<int, QString> readContextTable(const QString &text)
{
    static const QRegularExpression entry(QStringLiteral("^\\s*(\\d+)\\s+(\\S+)\\s*$"));
    QHash<int, QString> table;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = entry.match(line);
        bool ok = false;
        const int context = match.hasMatch() ? match.captured(1).toInt(&ok) : 0;
        if (ok)
            table.insert(context, match.captured(2));
    }
    return table;
}

QString topicPage(const QString &helpFile, int context)
{
    // An unnamed help file must not fall back to the working folder.
    if (helpFile.isEmpty())
        return {};
    const QDir folder(helpFile);
    QFile table(folder.filePath(ContextTableName));
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QString page = readContextTable(QString::fromUtf8(table.readAll())).value(context);
    if (page.isEmpty())
        return {};
    const QString pagePath = folder.filePath(page);
    return QFileInfo(pagePath).isFile() ? pagePath : QString();
}

} // namespace HelpTopics
