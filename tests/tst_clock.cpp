// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rangefixture.h"

#include "platform/model/tickschedule.h"

#include <algorithm>
#include <optional>
#include <utility>

using namespace std::chrono_literals;
using Time = platform::ClockHost::Time;

namespace {

// Time as a system's timers keep it: a wake-up comes on the first tick of the
// system clock at or after its time, then as late as the machine is busy.
class FakeHost : public platform::ClockHost
{
public:
    Time now() override { return m_now; }
    void wakeAt(Time time) override
    {
        wake = (time + resolution - 1us) / resolution * resolution + lateness;
    }
    void cancelWake() override { wake.reset(); }

    // Wakes the schedule whenever it asked to be woken, up to the given time.
    void runUntil(platform::TickSchedule &schedule, Time end)
    {
        while (wake && *wake <= end) {
            m_now = *std::exchange(wake, std::nullopt);
            schedule.wake();
        }
        m_now = std::max(m_now, end);
    }

    Time resolution = 1us;
    Time lateness = 0us;
    std::optional<Time> wake;

private:
    // Off every grid the tests use.
    Time m_now = 1'000'123us;
};

// A started window driven by the schedule on a fake time, with the time of
// each tick counted from the last launch.
struct ClockFixture {
    ClockFixture()
    {
        counting = range.controls().Timer1.ticked.connect(
            [this] { ticks.push_back(int((host.now() - launchedAt) / 1ms)); });
    }

    void launch()
    {
        launchedAt = host.now();
        range.launch();
    }
    void runFor(Time span) { host.runUntil(schedule, host.now() + span); }

    RangeFixture range;
    FakeHost host;
    platform::TickSchedule schedule{range.controls().Timer1, host};
    Time launchedAt{};
    QList<int> ticks; // milliseconds after the launch, rounded down
    platform::Connection counting;
};

} // namespace

// The schedule of the timer's ticks, on a fake time source.
class TestClock : public QObject
{
    Q_OBJECT

private slots:
    void crossingKeepsToTheGridOfItsLaunch_data();
    void crossingKeepsToTheGridOfItsLaunch();
    void wakeUpOffTheGridGivesAtMostOneTickAndKeepsToTheGrid_data();
    void wakeUpOffTheGridGivesAtMostOneTickAndKeepsToTheGrid();
    void stopCancelsTheWakeUpAndALaunchStartsANewGrid();
};

void TestClock::crossingKeepsToTheGridOfItsLaunch_data()
{
    QTest::addColumn<int>("resolution"); // microseconds
    QTest::addColumn<int>("lateness");   // microseconds

    QTest::newRow("exact") << 1 << 0;
    QTest::newRow("Windows' 15.625 ms timer") << 15'625 << 0;
    QTest::newRow("15.625 ms, each wake-up 40 ms late") << 15'625 << 40'000;
    QTest::newRow("each wake-up almost an interval late") << 1 << 149'000;
}

void TestClock::crossingKeepsToTheGridOfItsLaunch()
{
    QFETCH(int, resolution);
    QFETCH(int, lateness);
    ClockFixture clock;
    clock.host.resolution = Time(resolution);
    clock.host.lateness = Time(lateness);

    clock.launch();
    clock.runFor(120s);
    QCOMPARE(clock.ticks.size(), 529);
    // Tick k falls due k intervals after the launch and comes at most one
    // rounding and one lateness after that, never sooner.
    const int slack = (resolution + lateness) / 1000;
    for (int k = 1; k <= 529; ++k) {
        const int late = clock.ticks[k - 1] - k * 150;
        QVERIFY2(late >= 0 && late <= slack,
                 qPrintable(QString::asprintf("tick %d, %d ms", k, late)));
    }
    QVERIFY(qAbs(clock.ticks.last() / 79'350.0 - 1) <= 0.002);
    // The tick that ends the crossing leaves nothing to wake.
    QVERIFY(!clock.schedule.running());
    QVERIFY(!clock.host.wake);
}

void TestClock::wakeUpOffTheGridGivesAtMostOneTickAndKeepsToTheGrid_data()
{
    QTest::addColumn<int>("wakeUp"); // ms after the launch, for the tick due at 300
    QTest::addColumn<QList<int>>("ticks");

    // As a timer that rounds to the system clock, or a browser's coarsened
    // time, can deliver: nothing is due, and the clock must go on.
    QTest::newRow("early") << 290 << QList<int>{150, 300, 450, 600, 750};

    QTest::newRow("late by less than an interval") << 440 << QList<int>{150, 440, 450, 600, 750};
    QTest::newRow("a stall of three intervals") << 770 << QList<int>{150, 770};
    QTest::newRow("a stall ending on a step") << 750 << QList<int>{150, 750};
}

void TestClock::wakeUpOffTheGridGivesAtMostOneTickAndKeepsToTheGrid()
{
    QFETCH(int, wakeUp);
    QFETCH(QList<int>, ticks);
    ClockFixture clock;
    clock.launch();
    clock.runFor(200ms);
    clock.host.wake = clock.launchedAt + std::chrono::milliseconds(wakeUp);
    clock.runFor(700ms);
    QCOMPARE(clock.ticks, ticks + QList<int>{900});
}

void TestClock::stopCancelsTheWakeUpAndALaunchStartsANewGrid()
{
    ClockFixture clock;
    clock.launch();
    clock.runFor(370ms);
    clock.range.clear();
    QVERIFY(!clock.schedule.running());
    QVERIFY(!clock.host.wake);
    clock.runFor(5s);
    QCOMPARE(clock.ticks, (QList<int>{150, 300}));

    clock.ticks.clear();
    clock.launch();
    // A wake-up left over from the old grid, say one already queued, is too
    // early for the new one.
    clock.schedule.wake();
    QVERIFY(clock.ticks.isEmpty());
    clock.runFor(400ms);
    QCOMPARE(clock.ticks, (QList<int>{150, 300}));
}

QTEST_GUILESS_MAIN(TestClock)
#include "tst_clock.moc"
