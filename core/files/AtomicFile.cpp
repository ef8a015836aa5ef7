// SPDX-License-Identifier: MIT
#include "core/files/AtomicFile.h"

#include "core/files/FileKinds.h"
#include "core/files/SaveJournal.h"

#include <QSaveFile>

namespace {

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

} // namespace

namespace AtomicFile {

FileResult write(const QString &path, QByteArrayView bytes)
{
    return write(path, [bytes](QIODevice &file) {
        // A write that fails or ends short is noticed by the checked device.
        file.write(bytes.data(), bytes.size());
        return FileResult();
    });
}

FileResult write(const QString &path, const std::function<FileResult(QIODevice &file)> &fill)
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

} // namespace AtomicFile
