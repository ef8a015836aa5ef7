// SPDX-License-Identifier: MIT
#include "cli/InputFile.h"

#include "core/files/FileKinds.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace InputFile {

namespace {

QString tooLarge()
{
    return QStringLiteral("the file is larger than %1 MB").arg(MaxBytes / (1024 * 1024));
}

} // namespace

namespace {

Outcome<QByteArray> readStandardInput()
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return Failure::of(nameOf(StandardInput), in.errorString());
    // One byte more than allowed tells a larger input apart without
    // reading all of it.
    QByteArray content = in.read(MaxBytes + 1);
    if (in.error() != QFileDevice::NoError)
        return Failure::of(nameOf(StandardInput), in.errorString());
    if (content.size() > MaxBytes)
        return Failure::of(nameOf(StandardInput), tooLarge());
    return content;
}

} // namespace

Outcome<QByteArray> read(const QString &path)
{
    if (path == StandardInput)
        return readStandardInput();
    const QFileInfo info(path);
    if (info.isDir())
        return Failure::of(path, QStringLiteral("Is a folder, not a file"));
    // Opening a pipe waits for a writer, and a device may never end.
    if (FileKinds::isSpecialFile(path))
        return Failure::of(path, FileKinds::NotRegularFile);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure::of(path, file.errorString());
    if (file.size() > MaxBytes)
        return Failure::of(path, tooLarge());
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Failure::of(path, file.errorString());
    return content;
}

} // namespace InputFile
