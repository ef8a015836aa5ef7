// SPDX-License-Identifier: MIT
#include "core/files/AtomicFile.h"

#include "core/files/FileKinds.h"
#include "core/files/SaveJournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace {

// Ends the hidden name of a file of a set while the set is written.
const QString StagedSuffix = QStringLiteral(".writing");

// Passes writes on to the file and keeps the first failure. A write that
// ends short sets no error on the file (the disk may be full), so it is
// noticed here, for a writer that would not look at the count.
class CheckedWrites : public QIODevice
{
public:
    explicit CheckedWrites(QSaveFile &file) : m_file(file) { open(WriteOnly | Unbuffered); }

    bool isSequential() const override { return true; }

    // Empty while every write went through whole.
    const QString &failure() const { return m_failure; }

protected:
    qint64 readData(char *, qint64) override { return -1; }

    qint64 writeData(const char *data, qint64 size) override
    {
        if (!m_failure.isEmpty())
            return -1;
        const qint64 written = m_file.write(data, size);
        m_wanted += size;
        if (written == size) {
            m_written += written;
            return written;
        }
        m_failure = written < 0 ? m_file.errorString()
                                : FileKinds::shortWriteReason(m_written + written, m_wanted);
        return written;
    }

private:
    QSaveFile &m_file;
    qint64 m_written = 0;
    qint64 m_wanted = 0;
    QString m_failure;
};

AtomicFile::Fill fillWith(QByteArrayView bytes)
{
    return [bytes](QIODevice &file) {
        // A write that fails or ends short is noticed by the checked device.
        file.write(bytes.data(), bytes.size());
        return FileResult();
    };
}

} // namespace

namespace AtomicFile {

FileResult write(const QString &path, QByteArrayView bytes)
{
    return write(path, fillWith(bytes));
}

Content::Content(QString path, QByteArrayView bytes) : path(std::move(path)), fill(fillWith(bytes))
{
}

Content::Content(QString path, Fill fill) : path(std::move(path)), fill(std::move(fill)) {}

FileResult write(const QString &path, const Fill &fill)
{
    // The commit renames the new file over the target, which would put a
    // regular file in the place of a pipe or a device.
    if (FileKinds::isSpecialFile(path))
        return FileResult::failure(path, FileKinds::NotRegularFile);
    // Unbuffered, so a write that ends short shows at once rather than at a
    // later flush. Leaving with the file uncommitted discards the temporary
    // file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FileResult::failure(path, file.errorString());
    const SaveJournal journal(path, file);
    CheckedWrites checked(file);
    const FileResult filled = fill(checked);
    if (!checked.failure().isEmpty()) {
        file.cancelWriting();
        return FileResult::failure(path, checked.failure());
    }
    if (!filled.succeeded()) {
        file.cancelWriting();
        return filled;
    }
    if (!file.commit())
        return FileResult::failure(path, file.errorString());
    return FileResult();
}

FileResult writeAll(const std::vector<Content> &contents)
{
    // Every file is first written whole, through write(), under a hidden
    // name beside its target, and closed: a set may hold thousands of files,
    // more than may be open at once. Only then are they renamed over their
    // targets, which cannot fail for a regular file in its own folder.
    std::vector<QString> targets;
    std::vector<QString> staged;
    const auto dropStaged = [&staged] {
        for (const QString &path : staged)
            QFile::remove(path);
    };
    for (const Content &content : contents) {
        const QFileInfo info(content.path);
        if (info.exists() && !info.isFile()) {
            dropStaged();
            return FileResult::failure(content.path, FileKinds::NotRegularFile);
        }
        // A link is followed, as a single write follows it.
        const QString target = info.exists() ? info.canonicalFilePath() : content.path;
        const QFileInfo place(target);
        const QString stage =
            place.dir().filePath(QLatin1Char('.') + place.fileName() + StagedSuffix);
        if (const FileResult written = write(stage, content.fill); !written.succeeded()) {
            dropStaged();
            return FileResult::failure(content.path, written.reason());
        }
        targets.push_back(target);
        staged.push_back(stage);
    }
    for (std::size_t i = 0; i < staged.size(); ++i) {
        if (std::rename(QFile::encodeName(staged[i]).constData(),
                        QFile::encodeName(targets[i]).constData()) != 0) {
            const QString reason = QString::fromLocal8Bit(std::strerror(errno));
            staged.erase(staged.begin(), staged.begin() + std::ptrdiff_t(i));
            dropStaged();
            return FileResult::failure(contents[i].path, reason);
        }
    }
    return FileResult();
}

} // namespace AtomicFile
