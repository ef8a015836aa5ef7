// SPDX-License-Identifier: MIT
#include "cli/SymbolNames.h"

#include <QDir>
#include <QFile>

namespace SymbolNames {

namespace {

const QString NamesFolder = QStringLiteral(":/names");

bool blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// Calls found on the words of one list of cli/names until it returns true,
// and says whether it did: "#" starts a comment line, blanks and line ends
// part the words.
template <typename Found>
bool anyWordOf(const QString &path, Found found)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("The list of reserved words %s is not built in", qPrintable(path));
    const QByteArray text = file.readAll();
    for (qsizetype at = 0; at < text.size();) {
        qsizetype end = text.indexOf('\n', at);
        if (end < 0)
            end = text.size();
        const QByteArrayView line = QByteArrayView(text).sliced(at, end - at);
        at = end + 1;
        if (line.startsWith('#'))
            continue;
        for (qsizetype i = 0; i < line.size();) {
            while (i < line.size() && blank(line[i]))
                ++i;
            const qsizetype start = i;
            while (i < line.size() && !blank(line[i]))
                ++i;
            if (i > start && found(line.sliced(start, i - start)))
                return true;
        }
    }
    return false;
}

QStringList listFiles()
{
    return QDir(NamesFolder).entryList({QStringLiteral("*.txt")}, QDir::Files);
}

// Compared in any case: assemblers take registers and instructions in any
// case, and a C name that differs from a library name only in case reads as
// one. The lists are searched, not made into a set: an export asks about
// one name, and reading some 7,000 words into a set would cost more than
// writing the whole map.
bool reserved(const QString &name)
{
    const QByteArray wanted = name.toLatin1();
    const auto matches = [&wanted](QByteArrayView word) {
        return word.compare(wanted, Qt::CaseInsensitive) == 0;
    };
    for (const QString &file : listFiles())
        if (anyWordOf(QDir(NamesFolder).filePath(file), matches))
            return true;
    return false;
}

bool plain(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

bool unsafe(const QString &name)
{
    return name.isEmpty() || name.front().isDigit() || name.front() == u'_' ||
           reserved(name);
}

} // namespace

const QMap<QString, QStringList> &reservedByToolchain()
{
    static const QMap<QString, QStringList> lists = [] {
        QMap<QString, QStringList> result;
        for (const QString &file : listFiles()) {
            QStringList &words = result[file.chopped(4)];
            anyWordOf(QDir(NamesFolder).filePath(file), [&words](QByteArrayView word) {
                words.append(QString::fromLatin1(word));
                return false;
            });
        }
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
