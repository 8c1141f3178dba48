// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "systemclock.h"

namespace platform::win32 {

SystemClock::SystemClock(Timer &timer, HWND window)
    : m_window(window)
    , m_frequency([] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return frequency;
    }())
    , m_clock(timer, *this)
{}

SystemClock::~SystemClock()
{
    cancelWake();
}

std::int64_t SystemClock::nowMicroseconds()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const std::int64_t ticks = now.QuadPart;
    const std::int64_t frequency = m_frequency.QuadPart;
    // In two parts, so that a counter that has run for weeks does not overflow.
    return ticks / frequency * 1'000'000 + ticks % frequency * 1'000'000 / frequency;
}

void SystemClock::wakeAfter(unsigned milliseconds)
{
    // The timer's id is this clock, which the callback gets back.
    SetTimer(m_window, reinterpret_cast<UINT_PTR>(this), milliseconds, &SystemClock::timerProc);
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
    self->m_clock.wake();
}

} // namespace platform::win32
