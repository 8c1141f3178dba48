// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "timer.h"

#include <chrono>

namespace platform {

// What a schedule needs of a front end: a monotonic time and one wake-up.
class ClockHost
{
public:
    // Since an epoch of the host's own choosing.
    using Time = std::chrono::microseconds;

    virtual ~ClockHost() = default;
    virtual Time now() = 0;
    // Calls TickSchedule::wake() once, at the given time or later; a later
    // call replaces an earlier one.
    virtual void wakeAt(Time time) = 0;
    virtual void cancelWake() = 0;
};

// Delivers a Timer's ticks on a grid of intervals from its launch while it is
// enabled. Timers that round up or wake late never shift the grid. After a
// stall one tick comes at once and the next on the grid: a burst of the missed
// ones would make the target jump where a pupil sees it.
class TickSchedule
{
public:
    TickSchedule(Timer &timer, ClockHost &host);
    TickSchedule(const TickSchedule &) = delete;
    TickSchedule &operator=(const TickSchedule &) = delete;

    bool running() const { return m_running; }
    void wake();

private:
    void follow(bool enabled);

    Timer &m_timer;
    ClockHost &m_host;
    ClockHost::Time m_interval;
    ClockHost::Time m_launch{};
    ClockHost::Time m_due{};
    bool m_running = false;
    Connection m_enabled;
};

} // namespace platform
