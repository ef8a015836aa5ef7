// SPDX-License-Identifier: MIT
#pragma once

#include "core/files/RecoveryCopy.h"
#include "core/files/RecoveryFolder.h"

#include <QImage>
#include <QObject>
#include <QString>

class EditorState;
class MessageBox;
class QTimer;

namespace RecoveryTexts {
// %1: when the copy was written.
inline const QString Question =
    QStringLiteral("The editor did not end normally last time. A recovery copy of a map with "
                   "unsaved changes was kept (written %1).\nDo you want to recover it?");
// %1: the copy, %2: the reason, %3: where it was moved.
inline const QString Damaged =
    QStringLiteral("The recovery copy %1 could not be loaded: %2.\nIt was moved to %3.");
} // namespace RecoveryTexts

// Keeps a recovery copy of a changed map for the editor's whole run: while
// the map has unsaved changes it writes the copy every Interval milliseconds
// (only when the map changed since the last copy), removes it once the map
// is saved again or back as saved, and when the editor ends normally. At
// start, offerLeftCopies() offers what an editor that ended abnormally left.
class RecoveryKeeper : public QObject
{
    Q_OBJECT

public:
    static constexpr int Interval = 30 * 1000;

    // The editor's window must have put its start-up state in place: the
    // tile sheet it has now is the one a copy leaves out.
    RecoveryKeeper(EditorState &state, MessageBox &messageBox, const QString &folder,
                   QObject *parent = nullptr);
    // The editor ends normally: its copy goes.
    ~RecoveryKeeper() override;

    // Asks about each copy that an editor no longer running left, oldest
    // first (Yes and No). Yes loads it as a changed, unsaved map and keeps it
    // as this editor's copy at once; the copies after it wait for the next
    // start. No removes the copy. A copy that is damaged or of a newer
    // version is never loaded: the user is told why, and it is moved aside.
    void offerLeftCopies();

    QString copyPath() const { return m_folder.ownPath(); }

private:
    void onUnsavedChangesChanged(bool changed);
    void writeCopy();

    EditorState &m_state;
    MessageBox &m_messageBox;
    RecoveryFolder m_folder;
    QImage m_startSheet;
    QTimer *m_timer = nullptr;
    RecoveryCopy::Contents m_written;
};
