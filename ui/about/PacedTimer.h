// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// A timer that ticks at a fixed number of ticks a second, also where that
// rate is not a whole number of milliseconds apart. The ticks are spread
// evenly; after the event loop was held up it picks up the pace again rather
// than firing the missed ticks in a burst.
class PacedTimer : public QObject
{
    Q_OBJECT

public:
    PacedTimer(int ticksPerSecond, QObject *parent = nullptr);

    void start();
    void stop();

Q_SIGNALS:
    void timeout();

private:
    void poll();

    int m_ticksPerSecond;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_delivered = 0;
};
