// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "systemclock.h"

#include <chrono>
#include <cstdint>

namespace platform::win32 {

SystemClock::SystemClock(Timer &timer, HWND window)
    : m_window(window)
    , m_frequency([] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return frequency;
    }())
    , m_schedule(timer, *this)
{}

SystemClock::~SystemClock()
{
    cancelWake();
}

ClockHost::Time SystemClock::now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const std::int64_t ticks = now.QuadPart;
    const std::int64_t frequency = m_frequency.QuadPart;
    // In two parts, so that a counter that has run for weeks does not overflow.
    return Time(ticks / frequency * 1'000'000 + ticks % frequency * 1'000'000 / frequency);
}

void SystemClock::wakeAt(Time time)
{
    // Rounded up, so that the wake-up never comes before its time; Windows
    // rounds it up again to its system clock, 15.6 ms by default.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(time - now()).count();
    // The timer's id is this clock, which the callback gets back.
    SetTimer(m_window, reinterpret_cast<UINT_PTR>(this), wait <= 0 ? 0u : UINT(wait),
             &SystemClock::timerProc);
}

void SystemClock::cancelWake()
{
    KillTimer(m_window, reinterpret_cast<UINT_PTR>(this));
}

void CALLBACK SystemClock::timerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    auto *self = reinterpret_cast<SystemClock *>(id);
    // A window timer repeats; each wake-up sets the next one anew.
    self->cancelWake();
    self->m_schedule.wake();
}

} // namespace platform::win32
