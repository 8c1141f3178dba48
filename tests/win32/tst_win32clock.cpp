// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/systemclock.h"
#include "windowfixture.h"

namespace {

// The WM_TIMER messages that come to the thread in a period of the given
// length; each is taken off the queue and not delivered.
int timerMessagesWithin(DWORD milliseconds)
{
    int count = 0;
    const DWORD until = GetTickCount() + milliseconds;
    for (DWORD now = GetTickCount(); now < until; now = GetTickCount()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, until - now, QS_TIMER);
        MSG message;
        while (PeekMessageW(&message, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE))
            ++count;
    }
    return count;
}

} // namespace

// The one test that waits for the real clock, on the window the program
// creates: its first tick comes no sooner than one interval after a launch,
// and no timer is left to wake the idle program once a crossing ends or the
// range is cleared.
TEST_F(WindowFixture, theRealClockTicksOneIntervalAfterALaunchAndLeavesNoTimerBehind)
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

    // The rest of the crossing, by hand.
    for (int i = 0; i < 1000 && form.controls().Timer1.enabled(); ++i)
        tick();
    EXPECT_FALSE(clock.running());
    EXPECT_EQ(timerMessagesWithin(400), 0) << "after the crossing";

    form.Command1_Click(0);
    EXPECT_TRUE(clock.running());
    form.Command1_Click(1);
    EXPECT_FALSE(clock.running());
    EXPECT_EQ(timerMessagesWithin(400), 0) << "after the clear";
}
