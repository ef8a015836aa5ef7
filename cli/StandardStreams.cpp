// SPDX-License-Identifier: MIT
#include "cli/StandardStreams.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace StandardStreams {

namespace {

const QString CannotWrite = QStringLiteral("cannot write: %1");

bool isOpen(int descriptor)
{
    return fcntl(descriptor, F_GETFD) != -1 || errno != EBADF;
}

} // namespace

void prepare()
{
    std::signal(SIGPIPE, SIG_DFL);
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    sigprocmask(SIG_UNBLOCK, &pipeSignal, nullptr);
    // open() takes the lowest free number, which is the closed stream's.
    for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        if (!isOpen(descriptor))
            open("/dev/null", descriptor == STDIN_FILENO ? O_WRONLY : O_RDONLY);
}

void Output::write(QByteArrayView bytes)
{
    if (!m_state.succeeded() || bytes.isEmpty())
        return;
    const std::size_t size = static_cast<std::size_t>(bytes.size());
    if (std::fwrite(bytes.data(), 1, size, stdout) != size)
        failWith(errno);
}

Outcome<> Output::close()
{
    // fclose() flushes what stdio still holds, where a full disk shows.
    if (std::fclose(stdout) != 0)
        failWith(errno);
    return m_state;
}

void Output::failWith(int error)
{
    if (m_state.succeeded())
        m_state =
            Failure::of(OutputName, CannotWrite.arg(QString::fromLocal8Bit(std::strerror(error))));
}

} // namespace StandardStreams
