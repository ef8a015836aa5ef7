// SPDX-License-Identifier: MIT
#include "cli/InputFile.h"

#include "core/files/FileKinds.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <poll.h>
#include <unistd.h>

namespace InputFile {

namespace {

// what: "file" or "input".
QString tooLarge(const QString &what)
{
    return QStringLiteral("the %1 is larger than %2 MB").arg(what).arg(MaxBytes / (1024 * 1024));
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Waits until a standard input left non-blocking by the program that
// started this one has more to give.
bool waitForInput()
{
    pollfd input{STDIN_FILENO, POLLIN, 0};
    while (poll(&input, 1, -1) < 0)
        if (errno != EINTR)
            return false;
    return true;
}

// One read() takes only what a pipe holds at that moment, so a writer that
// pauses would see its input cut short: this reads until end of file, or
// one byte past the limit, which tells a larger input apart.
Outcome<QByteArray> readStandardInput()
{
    constexpr qsizetype Chunk = 64 * 1024;
    QByteArray content;
    while (content.size() <= MaxBytes) {
        const qsizetype start = content.size();
        content.resize(start + std::min<qsizetype>(Chunk, MaxBytes + 1 - start));
        const ssize_t got =
            ::read(STDIN_FILENO, content.data() + start, std::size_t(content.size() - start));
        const int error = errno;
        content.truncate(start + std::max<ssize_t>(got, 0));
        if (got == 0)
            return content;
        if (got > 0 || error == EINTR)
            continue;
        if (error != EAGAIN && error != EWOULDBLOCK)
            return Failure::of(nameOf(StandardInput), systemReason(error));
        if (!waitForInput())
            return Failure::of(nameOf(StandardInput), systemReason(errno));
    }
    return Failure::of(nameOf(StandardInput), tooLarge(QStringLiteral("input")));
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
        return Failure::of(path, tooLarge(QStringLiteral("file")));
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Failure::of(path, file.errorString());
    return content;
}

} // namespace InputFile
