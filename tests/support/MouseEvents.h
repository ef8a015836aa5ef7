// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// Pointer events with fractional positions, sent straight to the widget that
// owns them, as the windowing system delivers them.
namespace MouseEvents {

inline void send(QWidget *widget, QEvent::Type type, QPointF position, Qt::MouseButton button,
                 Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF global = widget->mapToGlobal(position);
    QMouseEvent event(type, position, global, button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

inline void move(QWidget *widget, QPointF position, Qt::MouseButtons held = Qt::NoButton,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    send(widget, QEvent::MouseMove, position, Qt::NoButton, held, modifiers);
}

inline void press(QWidget *widget, QPointF position, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    send(widget, QEvent::MouseButtonPress, position, button, button, modifiers);
}

inline void release(QWidget *widget, QPointF position, Qt::MouseButton button = Qt::LeftButton,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    send(widget, QEvent::MouseButtonRelease, position, button, Qt::NoButton, modifiers);
}

} // namespace MouseEvents
