// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/timer.h"

#include <cstdint>

namespace platform::win32 {

// What the clock needs of the system: a monotonic time and a one-shot wake-up.
class ClockHost
{
public:
    virtual ~ClockHost() = default;
    virtual std::int64_t nowMicroseconds() = 0;
    // Calls TickClock::wake() once, no sooner than the given time from now;
    // a later call replaces an earlier one.
    virtual void wakeAfter(unsigned milliseconds) = 0;
    virtual void cancelWake() = 0;
};

// Runs exactly while its Timer model is enabled and delivers each tick against
// a deadline on the monotonic clock, not one interval after the last wake-up.
// Windows rounds every timer up to its system clock, 15.6 ms by default, so
// waiting a plain 150 ms per tick would stretch a crossing by several seconds.
// Ticks that are late come in order, and none comes once the timer is off.
class TickClock
{
public:
    TickClock(Timer &timer, ClockHost &host);
    TickClock(const TickClock &) = delete;
    TickClock &operator=(const TickClock &) = delete;

    bool running() const { return m_running; }
    void wake();

private:
    void follow(bool enabled);
    void scheduleNext();

    Timer &m_timer;
    ClockHost &m_host;
    std::int64_t m_interval;
    std::int64_t m_deadline = 0;
    bool m_running = false;
    Connection m_enabled;
};

} // namespace platform::win32
