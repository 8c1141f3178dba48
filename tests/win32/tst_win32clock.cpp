// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/systemclock.h"
#include "windowfixture.h"

// The one test that waits for the real clock: it is wired to the window's
// thread, and its first tick comes no sooner than one interval after a launch.
TEST_F(WindowFixture, theRealClockTicksOneIntervalAfterALaunchAndStopsWithTheTimer)
{
    const platform::win32::SystemClock clock(form.controls().Timer1, window.hwnd());
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER moved;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    form.Command1_Click(0);
    while (form.controls().Label2.left() == 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1000, QS_ALLINPUT);
        pump();
    }
    QueryPerformanceCounter(&moved);
    EXPECT_GE((moved.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart, 150);

    form.Command1_Click(1);
    EXPECT_FALSE(clock.running());
    const DWORD until = GetTickCount() + 400;
    while (GetTickCount() < until) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        pump();
    }
    EXPECT_EQ(form.controls().Label2.left(), 0);
}
