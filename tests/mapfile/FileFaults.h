// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <csignal>
#include <sys/resource.h>

// Ways to make file operations fail for real, also for a test run as root,
// whom permissions do not stop.
namespace FileFaults {

// While it lives, no file of this process may grow beyond maxBytes: a write
// past that ends short, just as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t maxBytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        // The limit otherwise ends the process with SIGXFSZ.
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited{maxBytes, m_saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
};

// Makes folder read-only and tells whether that stops this process from
// creating a file in it.
inline bool makeReadOnlyFolder(const QString &folder)
{
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(folder + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.remove();
    return false;
}

// Makes file unreadable and tells whether that stops this process from
// reading it.
inline bool makeUnreadable(const QString &file)
{
    QFile::setPermissions(file, QFile::WriteOwner);
    QFile probe(file);
    return !probe.open(QIODevice::ReadOnly);
}

// A file the kernel opens but fails to read: offset 0 of the process's own
// memory is never mapped.
inline QString unreadableDevice()
{
    return QStringLiteral("/proc/self/mem");
}

} // namespace FileFaults
