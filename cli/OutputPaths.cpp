// SPDX-License-Identifier: MIT
#include "cli/OutputPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

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

} // namespace

bool sameFile(const QString &a, const QString &b)
{
    if (QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath())
        return true;
    // stat() follows symbolic links; the device and inode name the file
    // itself, whatever name or link leads to it.
    struct stat first
    {
    };
    struct stat second
    {
    };
    if (::stat(QFile::encodeName(a).constData(), &first) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &second) != 0)
        return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
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
