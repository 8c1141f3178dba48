// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timerclock.h"

namespace platform {

TimerClock::TimerClock(Timer &timer, QObject *parent)
    : QObject(parent)
    , m_timer(timer)
{
    // A coarse timer may stretch each interval by up to 5 %, which would add
    // minutes to a crossing of several hundred ticks.
    m_clock.setTimerType(Qt::PreciseTimer);
    m_clock.setInterval(timer.interval());
    connect(&m_clock, &QTimer::timeout, this, [this] { m_timer.deliverTick(); });
    m_enabled = timer.enabledChanged.connect([this](bool enabled) { follow(enabled); });
    follow(timer.enabled());
}

void TimerClock::follow(bool enabled)
{
    if (enabled)
        m_clock.start();
    else
        m_clock.stop();
}

} // namespace platform
