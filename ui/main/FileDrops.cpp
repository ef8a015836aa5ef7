// SPDX-License-Identifier: MIT
#include "ui/main/FileDrops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

QString droppedFile(const QMimeData *data)
{
    if (data == nullptr)
        return {};
    for (const QUrl &url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

} // namespace

FileDrops::FileDrops(QWidget &window, std::function<void(const QString &)> open)
    : QObject(&window), m_open(std::move(open))
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool FileDrops::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!droppedFile(drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString file = droppedFile(drop->mimeData());
        if (file.isEmpty())
            return true;
        drop->acceptProposedAction();
        // The drag's source waits for the drop to end; a question or a
        // message box the opening shows comes after.
        QMetaObject::invokeMethod(this, [this, file] { m_open(file); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}
