// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tickschedule.h"

namespace platform {

TickSchedule::TickSchedule(Timer &timer, ClockHost &host)
    : m_timer(timer)
    , m_host(host)
    , m_interval(std::chrono::milliseconds(timer.interval()))
{
    m_enabled = timer.enabledChanged.connect([this](bool enabled) { follow(enabled); });
    follow(timer.enabled());
}

void TickSchedule::follow(bool enabled)
{
    if (enabled == m_running)
        return;
    m_running = enabled;
    if (!enabled) {
        m_host.cancelWake();
        return;
    }
    m_launch = m_host.now();
    m_due = m_launch + m_interval;
    m_host.wakeAt(m_due);
}

void TickSchedule::wake()
{
    if (!m_running)
        return;
    const ClockHost::Time now = m_host.now();
    // A wake-up meant for an earlier grid, or early by the host's rounding,
    // delivers nothing.
    if (now >= m_due) {
        // Set before the tick, which may stop the timer or start it anew.
        m_due = m_launch + ((now - m_launch) / m_interval + 1) * m_interval;
        m_timer.deliverTick();
    }
    if (m_running)
        m_host.wakeAt(m_due);
}

} // namespace platform
