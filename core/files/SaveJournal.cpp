// SPDX-License-Identifier: MIT
#include "core/files/SaveJournal.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>

#include <sys/stat.h>

namespace {

const QString NoteSuffix = QStringLiteral(".saving");

struct FileIdentity
{
    qulonglong device = 0;
    qulonglong inode = 0;
    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
};

std::optional<FileIdentity> identityOf(int handle)
{
    struct stat status;
    if (::fstat(handle, &status) != 0)
        return std::nullopt;
    return FileIdentity{qulonglong(status.st_dev), qulonglong(status.st_ino)};
}

std::optional<FileIdentity> identityAt(const QString &path)
{
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return FileIdentity{qulonglong(status.st_dev), qulonglong(status.st_ino)};
}

// The note holds "device inode"; a note cut short by a kill names nothing.
std::optional<FileIdentity> readNote(const QString &note)
{
    QFile file(note);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> fields = file.read(64).trimmed().split(' ');
    bool deviceRead = false;
    bool inodeRead = false;
    const FileIdentity identity{fields.value(0).toULongLong(&deviceRead),
                                fields.value(1).toULongLong(&inodeRead)};
    if (fields.size() != 2 || !deviceRead || !inodeRead)
        return std::nullopt;
    return identity;
}

// QSaveFile names its temporary file after the target and six random
// letters and digits; of the files so named, only the one with the noted
// inode goes.
void removeLeftover(const QFileInfo &target, const FileIdentity &noted)
{
    const QDir folder = target.absoluteDir();
    const QRegularExpression temporaryName(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(target.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QStringList candidates = folder.entryList({target.fileName() + QStringLiteral(".??????")},
                                                    QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : candidates) {
        const QString path = folder.filePath(name);
        if (temporaryName.match(name).hasMatch() && identityAt(path) == noted)
            QFile::remove(path);
    }
}

} // namespace

QString SaveJournal::notePath(const QString &target)
{
    const QFileInfo info(target);
    return info.absoluteDir().filePath(QLatin1Char('.') + info.fileName() + NoteSuffix);
}

SaveJournal::SaveJournal(const QString &target, const QFileDevice &temporary)
    : m_note(notePath(target))
{
    if (const std::optional<FileIdentity> left = readNote(m_note))
        removeLeftover(QFileInfo(target), *left);
    const std::optional<FileIdentity> identity = identityOf(temporary.handle());
    QFile note(m_note);
    if (!identity || !note.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    note.write(QByteArray::number(identity->device) + ' ' + QByteArray::number(identity->inode));
}

SaveJournal::~SaveJournal()
{
    QFile::remove(m_note);
}
