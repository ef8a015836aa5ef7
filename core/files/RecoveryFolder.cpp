// SPDX-License-Identifier: MIT
#include "core/files/RecoveryFolder.h"

#include "core/files/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>

namespace {

const QString CopySuffix = QStringLiteral(".recovery");
const QString LockSuffix = QStringLiteral(".lock");
const QString DamagedSuffix = QStringLiteral(".damaged");
const QString CannotLock = QStringLiteral("the recovery folder cannot be locked");

QString withoutSuffix(const QString &path, const QString &suffix)
{
    return path.chopped(suffix.size());
}

std::unique_ptr<QLockFile> lockFor(const QString &stem)
{
    auto lock = std::make_unique<QLockFile>(stem + LockSuffix);
    // Only a lock whose process is gone counts as free, however old it is.
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

FileResult RecoveryFolder::LeftCopy::read(QByteArray *bytes) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return FileResult::failure(m_path, file.errorString());
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileResult::failure(m_path, file.errorString());
    return {};
}

void RecoveryFolder::LeftCopy::remove()
{
    QFile::remove(m_path);
    m_lock.reset();
}

QString RecoveryFolder::LeftCopy::moveAside()
{
    const QString aside = withoutSuffix(m_path, CopySuffix) + DamagedSuffix;
    QFile::remove(aside);
    QFile::rename(m_path, aside);
    m_lock.reset();
    return aside;
}

RecoveryFolder::RecoveryFolder(const QString &folder)
    : m_folder(folder), m_id(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

RecoveryFolder::~RecoveryFolder() = default;

QString RecoveryFolder::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

QString RecoveryFolder::ownPath() const
{
    return m_folder + QLatin1Char('/') + m_id + CopySuffix;
}

bool RecoveryFolder::claim()
{
    if (m_lock)
        return true;
    QDir().mkpath(m_folder);
    auto lock = lockFor(m_folder + QLatin1Char('/') + m_id);
    if (!lock->tryLock(0))
        return false;
    m_lock = std::move(lock);
    return true;
}

FileResult RecoveryFolder::write(QByteArrayView bytes)
{
    // Without the lock another editor would take the copy for a left one.
    if (!claim())
        return FileResult::failure(ownPath(), CannotLock);
    return AtomicFile::write(ownPath(), bytes);
}

void RecoveryFolder::removeOwn()
{
    QFile::remove(ownPath());
}

std::vector<RecoveryFolder::LeftCopy> RecoveryFolder::takeLeftCopies()
{
    std::vector<LeftCopy> copies;
    const QDir folder(m_folder);
    const QFileInfoList files = folder.entryInfoList({QLatin1Char('*') + CopySuffix},
                                                     QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo &file : files) {
        const QString stem = withoutSuffix(file.absoluteFilePath(), CopySuffix);
        if (file.fileName() == m_id + CopySuffix)
            continue;
        auto lock = lockFor(stem);
        if (!lock->tryLock(0))
            continue; // its editor is still running, or another took it
        LeftCopy copy;
        copy.m_path = file.absoluteFilePath();
        copy.m_written = file.lastModified();
        copy.m_lock = std::move(lock);
        copies.push_back(std::move(copy));
    }
    return copies;
}
