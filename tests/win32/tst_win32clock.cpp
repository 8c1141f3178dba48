// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/systemclock.h"
#include "platform/win32/tickclock.h"
#include "windowfixture.h"

#include <cstdint>
#include <optional>

using platform::win32::TickClock;

namespace {

// Time as real Windows keeps it for timers: a wake-up comes on the first tick
// of the system clock, every 15.625 ms, at or after its due time.
struct WindowsLikeHost : platform::win32::ClockHost {
    static constexpr std::int64_t SystemTick = 15'625;

    std::int64_t nowMicroseconds() override { return now; }
    void wakeAfter(unsigned milliseconds) override
    {
        const std::int64_t due = now + std::int64_t(milliseconds) * 1000;
        wake = (due + SystemTick - 1) / SystemTick * SystemTick;
    }
    void cancelWake() override { wake.reset(); }

    // Runs the clock until nothing is due any more, or until the given time.
    void runUntil(TickClock &clock, std::int64_t end)
    {
        while (wake && *wake <= end) {
            now = *std::exchange(wake, std::nullopt);
            clock.wake();
        }
        now = std::max(now, end);
    }

    std::int64_t now = 1'000'000;
    std::optional<std::int64_t> wake;
};

struct ClockFixture : ::testing::Test {
    ClockFixture()
    {
        form.Form_Load();
        ticks = form.controls().Timer1.ticked.connect([this] { tickTimes.push_back(host.now); });
    }

    RangeForm form;
    WindowsLikeHost host;
    TickClock clock{form.controls().Timer1, host};
    std::vector<std::int64_t> tickTimes;
    platform::Connection ticks;
};

} // namespace

TEST_F(ClockFixture, aCrossingTakesItsTimeWhereTimersAreRoundedUp)
{
    const std::int64_t launch = host.now;
    form.Command1_Click(0);
    host.runUntil(clock, launch + 120'000'000);
    ASSERT_EQ(tickTimes.size(), 529u);
    EXPECT_GE(tickTimes.front() - launch, 150'000);
    const double seconds = double(tickTimes.back() - launch) / 1e6;
    EXPECT_NEAR(seconds, 79.35, 79.35 * 0.002);
    // Idle once the crossing is over: no wake-up is left.
    EXPECT_FALSE(clock.running());
    EXPECT_FALSE(host.wake);
}

TEST_F(ClockFixture, noTickComesOnceTheTimerStopsAndLateTicksComeInOrder)
{
    form.Command1_Click(0);
    // A busy second: the six ticks it held back all come, each moving the
    // target one step.
    host.runUntil(clock, host.now + 150'000);
    const std::int64_t busy = host.now + 1'000'000;
    host.wake = busy;
    host.runUntil(clock, busy);
    EXPECT_EQ(tickTimes.size(), 7u);
    EXPECT_EQ(form.controls().Label2.left(), 70);

    form.Command1_Click(1);
    EXPECT_FALSE(host.wake);
    host.runUntil(clock, host.now + 5'000'000);
    EXPECT_EQ(tickTimes.size(), 7u);
}

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
