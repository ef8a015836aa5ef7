// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QFileDevice;

// QSaveFile writes beside the target and renames its file over the target
// on commit, but a process killed at the wrong moment (on Linux, between
// giving the finished file a temporary name and the rename) leaves that file
// behind under a name such as "forest.map.Xb3kQz", which a user's own file
// could also have. So while a save runs, a small note beside the target
// (".forest.map.saving") names the temporary file by its inode, and the next
// save of the same target removes the file it names, if it is still there,
// without ever touching a file it does not name.
class SaveJournal
{
public:
    // Removes what an interrupted earlier save of target left, then notes
    // the temporary file of the opened QSaveFile. A note that cannot be
    // written only loses that clean-up; the save goes on.
    SaveJournal(const QString &target, const QFileDevice &temporary);
    // Removes the note: after the commit the temporary file is gone, renamed
    // over the target or removed by QSaveFile.
    ~SaveJournal();

    SaveJournal(const SaveJournal &) = delete;
    SaveJournal &operator=(const SaveJournal &) = delete;

    // Where the note for a target lives.
    static QString notePath(const QString &target);

private:
    QString m_note;
};
