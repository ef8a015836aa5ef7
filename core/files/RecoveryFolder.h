// SPDX-License-Identifier: MIT
#pragma once

#include "core/files/FileResult.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QLockFile>
#include <QString>

#include <memory>

// The folder of recovery copies, shared by every editor of the user. Each
// running editor writes its own copy under a name of its own, "<id>.recovery",
// and holds the lock "<id>.lock" while it runs. A copy whose lock nobody holds
// was left by an editor that ended without cleaning up (killed, crashed, the
// power cut): the system frees the lock of a process that is gone. So two
// editors at once never write or take each other's copy.
class RecoveryFolder
{
public:
    // A copy left by an editor that is no longer running. Its lock is held
    // while this lives, so an editor starting at the same time cannot take
    // the copy too.
    class LeftCopy
    {
    public:
        const QString &path() const { return m_path; }
        const QDateTime &written() const { return m_written; }

        // The copy's bytes whole, or a failure with the reason.
        FileResult read(QByteArray *bytes) const;
        // Recovered or turned down: the copy and its lock go.
        void remove();
        // Damaged: renamed to "<id>.damaged", so it is never offered again
        // but stays for a look. Returns the new path.
        QString moveAside();

    private:
        friend class RecoveryFolder;
        QString m_path;
        QDateTime m_written;
        std::unique_ptr<QLockFile> m_lock;
    };

    // Uses folder, made when first needed.
    explicit RecoveryFolder(const QString &folder);
    ~RecoveryFolder();

    RecoveryFolder(const RecoveryFolder &) = delete;
    RecoveryFolder &operator=(const RecoveryFolder &) = delete;

    // The usual folder: "recovery" in the user's data folder for the program
    // (QStandardPaths::AppLocalDataLocation).
    static QString defaultFolder();

    // Writes this editor's copy through the atomic-write helper: a copy is
    // whole or not replaced.
    FileResult write(QByteArrayView bytes);
    // Removes this editor's copy: the map is saved, or the editor ends well.
    void removeOwn();
    QString ownPath() const;

    // The copies that editors no longer running left behind, oldest first,
    // each now held by this editor.
    std::vector<LeftCopy> takeLeftCopies();

private:
    bool claim();

    QString m_folder;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
};
