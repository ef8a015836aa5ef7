// SPDX-License-Identifier: MIT
#include "cli/OutputPaths.h"

#include "cli/CommandLine.h"
#include "cli/InputFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <optional>

#include <sys/stat.h>

namespace OutputPaths {

namespace {

// Extensions of maps, pictures and data: a name ending in one of them is
// meant as a file.
const QStringList FileExtensions = {
    QStringLiteral("map"), QStringLiteral("prg"), QStringLiteral("bmp"), QStringLiteral("png"),
    QStringLiteral("csv"), QStringLiteral("tmx"), QStringLiteral("tmj"), QStringLiteral("json"),
    QStringLiteral("asm"), QStringLiteral("s"),   QStringLiteral("inc"), QStringLiteral("c"),
    QStringLiteral("h"),   QStringLiteral("bin"), QStringLiteral("gz")};

const QString OverItself = QStringLiteral("'%1' would be written over itself");
const QString OverItselfThrough =
    QStringLiteral("'%1' would be written over itself: '%2' is the same file");
const QString TwiceByName = QStringLiteral("two outputs would both be written to '%1'");
const QString TwiceThrough =
    QStringLiteral("'%1' and '%2' are one file, and both would be written to it");

// Names that differ only by "." or ".." steps or by the folder they are
// given from are one name.
QString absoluteName(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// stat() follows symbolic links: the device and inode name the file itself.
// A name that leads to no file has none.
std::optional<std::pair<quint64, quint64>> identityOf(const QString &path)
{
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return std::pair<quint64, quint64>(status.st_dev, status.st_ino);
}

// Whether path names no file on disk.
bool isStream(const QString &path)
{
    return path.isEmpty() || path == InputFile::StandardInput ||
           path == CommandLine::StandardOutput;
}

} // namespace

InputFiles::InputFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (isStream(path))
            continue;
        m_byName.insert(absoluteName(path), path);
        if (const auto identity = identityOf(path))
            m_byIdentity.emplace(*identity, path);
    }
}

Outcome<> InputFiles::allowWrites(const QStringList &outputs) const
{
    QHash<QString, QString> writtenByName;
    std::map<Identity, QString> writtenByIdentity;
    for (const QString &output : outputs) {
        if (isStream(output))
            continue;
        const QString name = absoluteName(output);
        const std::optional<Identity> identity = identityOf(output);
        if (const auto input = m_byName.constFind(name); input != m_byName.cend())
            return Failure::usage(OverItself.arg(input.value()));
        if (identity)
            if (const auto input = m_byIdentity.find(*identity); input != m_byIdentity.end())
                return Failure::usage(
                    OverItselfThrough.arg(input->second, QDir::cleanPath(output)));
        if (const auto other = writtenByName.constFind(name); other != writtenByName.cend())
            return Failure::usage(TwiceByName.arg(QDir::cleanPath(output)));
        if (identity) {
            if (const auto other = writtenByIdentity.find(*identity);
                other != writtenByIdentity.end())
                return Failure::usage(
                    TwiceThrough.arg(QDir::cleanPath(other->second), QDir::cleanPath(output)));
            writtenByIdentity.emplace(*identity, output);
        }
        writtenByName.insert(name, output);
    }
    return {};
}

bool namesAFile(const QString &path)
{
    return FileExtensions.contains(QFileInfo(path).suffix().toLower());
}

Outcome<> makeFolderFor(const QString &output)
{
    const QString folder = QFileInfo(output).absolutePath();
    if (QFileInfo(folder).isDir() || QDir().mkpath(folder))
        return {};
    return Failure::of(output, QStringLiteral("cannot write: the folder %1 cannot be made")
                                   .arg(QDir::toNativeSeparators(folder)));
}

} // namespace OutputPaths
