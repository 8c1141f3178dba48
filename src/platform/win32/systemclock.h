// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/model/tickschedule.h"

#include <windows.h>

namespace platform::win32 {

// The real clock: the performance counter for the time, and a window timer of
// the window's thread for the wake-ups of the tick schedule. There is no timer
// at all while the Timer model is off, so an idle window uses no processor
// time.
class SystemClock : private ClockHost
{
public:
    SystemClock(Timer &timer, HWND window);
    ~SystemClock() override;
    SystemClock(const SystemClock &) = delete;
    SystemClock &operator=(const SystemClock &) = delete;

    bool running() const { return m_schedule.running(); }

private:
    Time now() override;
    void wakeAt(Time time) override;
    void cancelWake() override;
    static void CALLBACK timerProc(HWND window, UINT message, UINT_PTR id, DWORD time);

    HWND m_window;
    LARGE_INTEGER m_frequency{};
    TickSchedule m_schedule;
};

} // namespace platform::win32
