// SPDX-License-Identifier: MIT
#include "ui/main/ActivationClick.h"

#include <QEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QWidget>

ActivationClick::ActivationClick(QWidget &canvas) : QObject(&canvas), m_canvas(canvas)
{
    canvas.installEventFilter(this);
}

bool ActivationClick::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_canvas)
        return false;
    switch (event->type()) {
    case QEvent::WindowDeactivate:
        m_activating = true;
        break;
    case QEvent::WindowActivate:
        // The window system hands over the activation and the click that
        // caused it together; a posted call runs only after both.
        QMetaObject::invokeMethod(
            this, [this] { m_activating = !m_canvas.isActiveWindow(); }, Qt::QueuedConnection);
        break;
    case QEvent::MouseButtonPress:
        if (m_activating) {
            m_activating = false;
            m_swallowing = true;
            m_canvas.activateWindow();
            return true;
        }
        break;
    case QEvent::MouseMove: {
        const bool held = static_cast<QMouseEvent *>(event)->buttons() != Qt::NoButton;
        // A pointer moved over the map of the active window before the press:
        // the activation was not the click's doing.
        if (!held && m_canvas.isActiveWindow())
            m_activating = false;
        // The pointer outline still follows a move without a button.
        return m_swallowing && held;
    }
    case QEvent::MouseButtonRelease:
        if (m_swallowing) {
            m_swallowing = static_cast<QMouseEvent *>(event)->buttons() != Qt::NoButton;
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}
