// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

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

// A named pipe that nobody writes to: opening it to read would wait for a
// writer for good.
inline QString pipeWithoutWriter()
{
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pipe.map"));
    if (!QFileInfo::exists(path))
        mkfifo(QFile::encodeName(path).constData(), 0600);
    return path;
}

// Table rows of reads that fail: "name", a path inside the test's folder (which
// holds a folder "folder.map", a file "plain.map" and a file "locked.map" the
// test makes unreadable) or an absolute path, and "reason", the words the
// failure is reported with.
inline void addReadFailureRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << QStringLiteral("missing.map")
                             << QStringLiteral("No such file or directory");
    QTest::newRow("folder") << QStringLiteral("folder.map")
                            << QStringLiteral("file to open is a directory");
    QTest::newRow("under a file") << QStringLiteral("plain.map/a.map")
                                  << QStringLiteral("Not a directory");
    QTest::newRow("no read permission")
        << QStringLiteral("locked.map") << QStringLiteral("Permission denied");
    QTest::newRow("read error") << unreadableDevice() << QStringLiteral("Input/output error");
    QTest::newRow("pipe") << pipeWithoutWriter() << QStringLiteral("Not a regular file");
    QTest::newRow("device") << QStringLiteral("/dev/zero") << QStringLiteral("Not a regular file");
}

// Table rows of saves that fail: "name", a path inside the test's folder
// (which holds a folder "folder.map", a file "plain.map" and a folder
// "locked" the test makes read-only when a row asks for it) or an absolute
// path, and "reason".
inline void addSaveFailureRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder")
        << QStringLiteral("missing/a.map") << QStringLiteral("No such file or directory");
    QTest::newRow("under a file") << QStringLiteral("plain.map/a.map")
                                  << QStringLiteral("Not a directory");
    QTest::newRow("name of a folder")
        << QStringLiteral("folder.map") << QStringLiteral("Filename refers to a directory");
    QTest::newRow("read-only folder")
        << QStringLiteral("locked/a.map") << QStringLiteral("Permission denied");
    QTest::newRow("pipe") << pipeWithoutWriter() << QStringLiteral("Not a regular file");
}

} // namespace FileFaults
