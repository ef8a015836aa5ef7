// SPDX-License-Identifier: MIT
#include "ui/main/RecoveryKeeper.h"

#include "core/state/EditorState.h"
#include "host/MessageBox.h"
#include "mapfile/MapRecovery.h"

#include <QDir>
#include <QLocale>
#include <QTimer>

RecoveryKeeper::RecoveryKeeper(EditorState &state, MessageBox &messageBox, const QString &folder,
                               QObject *parent)
    : QObject(parent), m_state(state), m_messageBox(messageBox), m_folder(folder),
      m_startSheet(state.tileSheet.image())
{
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("recoveryTimer"));
    m_timer->setInterval(Interval);
    connect(m_timer, &QTimer::timeout, this, &RecoveryKeeper::writeCopy);
    connect(&state.history, &EditHistory::unsavedChangesChanged, this,
            &RecoveryKeeper::onUnsavedChangesChanged);
    onUnsavedChangesChanged(state.history.hasUnsavedChanges());
}

RecoveryKeeper::~RecoveryKeeper()
{
    m_folder.removeOwn();
}

void RecoveryKeeper::onUnsavedChangesChanged(bool changed)
{
    if (changed) {
        if (!m_timer->isActive())
            m_timer->start();
        return;
    }
    // What is on disk now holds the map; a copy would only offer it again.
    m_timer->stop();
    m_folder.removeOwn();
    m_written = {};
}

void RecoveryKeeper::writeCopy()
{
    if (!m_state.history.hasUnsavedChanges())
        return;
    RecoveryCopy::Contents contents = MapRecovery::capture(m_state, m_startSheet);
    if (contents == m_written)
        return;
    // A copy that cannot be written is tried again at the next tick; the
    // user's work is still in the editor.
    if (m_folder.write(RecoveryCopy::encode(contents)).succeeded())
        m_written = std::move(contents);
}

void RecoveryKeeper::offerLeftCopies()
{
    for (RecoveryFolder::LeftCopy &copy : m_folder.takeLeftCopies()) {
        QByteArray bytes;
        FileResult read = copy.read(&bytes);
        std::optional<RecoveryCopy::Contents> contents;
        if (read.succeeded()) {
            QString whyNot;
            contents = RecoveryCopy::decode(bytes, &whyNot);
            if (!contents)
                read = FileResult::failure(copy.path(), whyNot);
        }
        if (!contents) {
            const QString aside = copy.moveAside();
            m_messageBox.show(RecoveryTexts::Damaged.arg(QDir::toNativeSeparators(copy.path()),
                                                         read.reason(),
                                                         QDir::toNativeSeparators(aside)),
                              MessageBox::Buttons::Ok);
            continue;
        }
        const QString written = QLocale().toString(copy.written(), QLocale::ShortFormat);
        if (m_messageBox.show(RecoveryTexts::Question.arg(written), MessageBox::Buttons::YesNo) ==
            MessageBox::Answer::No) {
            copy.remove();
            continue;
        }
        MapRecovery::restore(m_state, *contents);
        // Kept as this editor's own copy before the old one goes, so that no
        // moment passes without one on disk.
        writeCopy();
        copy.remove();
        return;
    }
}
