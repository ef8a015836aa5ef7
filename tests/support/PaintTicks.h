// SPDX-License-Identifier: MIT
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QTimer>

#include <limits>

// Puts the main window's painting timer in the test's hands. The timer ticks
// every millisecond while a button is held; how many ticks fit between two
// steps of a test depends on the machine, so the test stretches the interval
// beyond any test's length and makes each tick itself.
class PaintTicks
{
public:
    explicit PaintTicks(QObject *mainWindow)
        : m_timer(mainWindow->findChild<QTimer *>(QStringLiteral("paintTimer")))
    {
        Q_ASSERT(m_timer);
        m_timer->setInterval(std::numeric_limits<int>::max());
    }

    // One tick, exactly as the timer gives it.
    void tick() { QMetaObject::invokeMethod(m_timer, "timeout"); }

private:
    QTimer *m_timer;
};
