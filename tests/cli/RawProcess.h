// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <cerrno>
#include <csignal>
#include <vector>

#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

// A program started as a shell starts it, which QProcess cannot do: its
// arguments are raw bytes (QProcess encodes text as UTF-8), and each of its
// standard streams is any descriptor of the caller's or none at all.
namespace RawProcess {

// A standard stream the child starts without.
inline constexpr int Closed = -1;

struct Ending
{
    bool signalled = false;
    // The exit status, or the number of the signal that ended the child.
    int code = -1;
};

class Child
{
public:
    // Starts program; in, out and err (descriptors, or Closed) become its
    // standard input, output and error. Descriptors to keep from the child
    // must be opened close-on-exec.
    bool start(const QByteArray &program, const QList<QByteArray> &arguments, int in, int out,
               int err)
    {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        const int streams[] = {in, out, err};
        for (int target = 0; target < 3; ++target) {
            if (streams[target] == Closed)
                posix_spawn_file_actions_addclose(&actions, target);
            else
                posix_spawn_file_actions_adddup2(&actions, streams[target], target);
        }
        QList<QByteArray> words{program};
        words += arguments;
        std::vector<char *> argv;
        for (QByteArray &word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        const int started =
            posix_spawn(&m_pid, program.constData(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        return started == 0;
    }

    // Whether it has not ended yet. It is not reaped, so wait() still tells
    // how it ended.
    bool running() const
    {
        siginfo_t info{};
        waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOHANG | WNOWAIT);
        return info.si_pid == 0;
    }

    Ending wait()
    {
        int status = 0;
        while (waitpid(m_pid, &status, 0) < 0)
            if (errno != EINTR)
                return {};
        if (WIFSIGNALED(status))
            return {true, WTERMSIG(status)};
        return {false, WEXITSTATUS(status)};
    }

private:
    pid_t m_pid = -1;
};

// Writes all of bytes to descriptor, or as much as a reader takes before it
// goes away. SIGPIPE must be ignored.
inline void writeAll(int descriptor, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), std::size_t(bytes.size()));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        bytes = bytes.sliced(written);
    }
}

// The bytes written into a pipe that its reader has not taken yet.
inline int unread(int pipeDescriptor)
{
    int count = 0;
    return ioctl(pipeDescriptor, FIONREAD, &count) == 0 ? count : -1;
}

} // namespace RawProcess
