// SPDX-License-Identifier: MIT
#include "ui/about/PacedTimer.h"

namespace {

constexpr qint64 NanosecondsPerSecond = 1'000'000'000;
// Ticks owed beyond this after a hold-up are dropped.
constexpr qint64 MaxOwed = 8;

} // namespace

PacedTimer::PacedTimer(int ticksPerSecond, QObject *parent)
    : QObject(parent), m_ticksPerSecond(ticksPerSecond)
{
    // Polled a little faster than the rate, so every tick finds a poll.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1000 / ticksPerSecond);
    connect(&m_timer, &QTimer::timeout, this, &PacedTimer::poll);
}

void PacedTimer::start()
{
    m_delivered = 0;
    m_clock.start();
    m_timer.start();
}

void PacedTimer::stop()
{
    m_timer.stop();
}

void PacedTimer::poll()
{
    const qint64 due = m_clock.nsecsElapsed() * m_ticksPerSecond / NanosecondsPerSecond;
    if (due - m_delivered > MaxOwed)
        m_delivered = due - 1;
    if (due > m_delivered) {
        ++m_delivered;
        Q_EMIT timeout();
    }
}
