// SPDX-License-Identifier: MIT
#include "mapfile/MapFileIO.h"

#include "core/FileKinds.h"
#include "core/SaveJournal.h"
#include "mapfile/MapFileFormat.h"

#include <QFile>
#include <QSaveFile>

namespace MapFile {

namespace {

using FileKinds::isSpecialFile;
using FileKinds::NotRegularFile;
using FileKinds::shortWriteReason;

} // namespace

bool read(const QString &path, QByteArray *bytes, QString *error)
{
    // Opening a pipe waits for a writer, and a device may never end.
    if (isSpecialFile(path)) {
        *error = NotRegularFile;
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    QByteArray content = file.read(FileSize);
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    *bytes = std::move(content);
    return true;
}

bool save(const QString &path, QByteArrayView bytes, QString *error)
{
    // The commit renames a new file over the target, which would put a
    // regular file in the place of a pipe or a device.
    if (isSpecialFile(path)) {
        *error = NotRegularFile;
        return false;
    }
    // Leaving the function with the file uncommitted discards the temporary
    // file; the target is only replaced by a commit that succeeds.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    const SaveJournal journal(path, file);
    const qint64 written = file.write(bytes.data(), bytes.size());
    if (written != bytes.size()) {
        // A write cut short by a full disk reports no error of its own.
        *error = written < 0 ? file.errorString() : shortWriteReason(written, bytes.size());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace MapFile
