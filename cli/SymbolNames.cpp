// SPDX-License-Identifier: MIT
#include "cli/SymbolNames.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace SymbolNames {

namespace {

// The words of one list of cli/names: "#" starts a comment line, blanks and
// line ends part the words.
QStringList wordsOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("The list of reserved words %s is not built in", qPrintable(path));
    QStringList words;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (!line.startsWith('#'))
            for (const QByteArray &word : line.simplified().split(' '))
                if (!word.isEmpty())
                    words.append(QString::fromLatin1(word));
    return words;
}

// Compared in lower case: assemblers take registers and instructions in any
// case, and a C name that differs from a library name only in case reads as
// one.
const QSet<QString> &reservedWords()
{
    static const QSet<QString> words = [] {
        QSet<QString> all;
        for (const QStringList &list : reservedByToolchain())
            for (const QString &word : list)
                all.insert(word.toLower());
        return all;
    }();
    return words;
}

bool plain(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

bool unsafe(const QString &name)
{
    return name.isEmpty() || name.front().isDigit() || name.front() == u'_' ||
           reservedWords().contains(name.toLower());
}

} // namespace

const QMap<QString, QStringList> &reservedByToolchain()
{
    static const QMap<QString, QStringList> lists = [] {
        QMap<QString, QStringList> result;
        const QDir folder(QStringLiteral(":/names"));
        for (const QString &name : folder.entryList({QStringLiteral("*.txt")}, QDir::Files))
            result.insert(name.chopped(4), wordsOf(folder.filePath(name)));
        return result;
    }();
    return lists;
}

QString fromFileName(const QString &name)
{
    QString result;
    for (const QChar c : name) {
        if (plain(c))
            result += c;
        else if (!result.endsWith(QLatin1Char('_')))
            result += QLatin1Char('_');
    }
    // An underscore at the start stays out: it would only be followed by
    // the prefix's own.
    while (result.startsWith(QLatin1Char('_')))
        result.remove(0, 1);
    if (result.isEmpty())
        return Prefix.chopped(1);
    if (unsafe(result))
        result.prepend(Prefix);
    return result;
}

QString problemWith(const QString &name)
{
    for (const QChar c : name)
        if (!plain(c) && c != u'_')
            return QStringLiteral("--symbol takes letters, digits and underscores only, "
                                  "not '%1'")
                .arg(name);
    if (name.contains(QStringLiteral("__")))
        return QStringLiteral("--symbol '%1' has two underscores in a row, which C++ keeps "
                              "for itself")
            .arg(name);
    if (unsafe(name))
        return QStringLiteral("--symbol '%1' is empty, starts with a digit or an underscore, or "
                              "is a keyword or a name an assembler or a C library keeps for "
                              "itself")
            .arg(name);
    return {};
}

} // namespace SymbolNames
