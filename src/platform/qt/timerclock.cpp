// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timerclock.h"

#include <algorithm>
#include <chrono>

namespace platform::qt {

using namespace std::chrono_literals;

TimerClock::TimerClock(Timer &timer, QObject *parent)
    : QObject(parent)
{
    // A coarse timer may wake up to 5 % early or late: the ticks would wobble,
    // and each early one would cost a second wake-up.
    m_wake.setTimerType(Qt::PreciseTimer);
    m_wake.setSingleShot(true);
    connect(&m_wake, &QTimer::timeout, this, [this] { m_schedule->wake(); });
    m_schedule.emplace(timer, static_cast<ClockHost &>(*this));
}

ClockHost::Time TimerClock::now()
{
    return std::chrono::duration_cast<Time>(std::chrono::steady_clock::now().time_since_epoch());
}

void TimerClock::wakeAt(Time time)
{
    // Rounded up: a wake-up before its time would find no tick due.
    m_wake.start(std::max(std::chrono::ceil<std::chrono::milliseconds>(time - now()), 0ms));
}

void TimerClock::cancelWake()
{
    m_wake.stop();
}

} // namespace platform::qt
