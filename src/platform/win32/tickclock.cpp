// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tickclock.h"

namespace platform::win32 {

TickClock::TickClock(Timer &timer, ClockHost &host)
    : m_timer(timer)
    , m_host(host)
    , m_interval(std::int64_t(timer.interval()) * 1000)
{
    m_enabled = timer.enabledChanged.connect([this](bool enabled) { follow(enabled); });
    follow(timer.enabled());
}

void TickClock::follow(bool enabled)
{
    if (enabled == m_running)
        return;
    m_running = enabled;
    if (!enabled) {
        m_host.cancelWake();
        return;
    }
    m_deadline = m_host.nowMicroseconds() + m_interval;
    scheduleNext();
}

void TickClock::wake()
{
    if (!m_running)
        return;
    const std::int64_t now = m_host.nowMicroseconds();
    // A tick may stop the timer, at the end of a crossing; none follows then.
    while (m_running && m_deadline <= now) {
        m_deadline += m_interval;
        m_timer.deliverTick();
    }
    if (m_running)
        scheduleNext();
}

void TickClock::scheduleNext()
{
    const std::int64_t wait = m_deadline - m_host.nowMicroseconds();
    // Rounded up, so that the wake-up never comes before its deadline.
    m_host.wakeAfter(wait <= 0 ? 0u : unsigned((wait + 999) / 1000));
}

} // namespace platform::win32
