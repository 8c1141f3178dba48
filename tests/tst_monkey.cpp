// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "monkeyrun.h"

namespace {

enum class Event { Launch, Clear, Fire, Tick };

// What an observer outside the range can know for certain after each event.
struct Expectation {
    bool crossing = false;
    int ticksInCrossing = 0;
    qint64 launches = 0;
    qint64 fires = 0;
};

} // namespace

// A long random sequence of everything a pupil can do, checking after every
// event that the range is still in a state it could legitimately be in.
class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void randomEventsKeepTheRangeConsistent();
};

void TestMonkey::randomEventsKeepTheRangeConsistent()
{
    MonkeyRun run;
    RangeFixture range;
    Expectation expected;
    const float targetTop = range.target().top();
    float columns[ShotCount];
    for (int i = 0; i < ShotCount; ++i)
        columns[i] = range.shot(i).left();

    constexpr int Events = 1'000'000;
    qint64 scored = 0;
    qint64 crossings = 0;
    for (; run.step < Events && !run.failed(); ++run.step) {
        // Mostly ticks, so that crossings and flights run their course, with
        // enough launches and shots to keep both going.
        const qint64 hitsBefore = range.form.hits().value();
        const quint32 roll = run.random.bounded(1000u);
        const quint32 rare = run.random.bounded(20u);
        const Event event = roll == 0 && rare == 0 ? Event::Clear
                            : roll < 20            ? Event::Launch
                            : roll < 60            ? Event::Fire
                                                   : Event::Tick;
        switch (event) {
        case Event::Launch:
            if (!expected.crossing) {
                ++crossings;
                expected.crossing = true;
                expected.ticksInCrossing = 0;
                ++expected.launches;
            }
            range.launch();
            break;
        case Event::Clear:
            range.clear();
            expected = {};
            break;
        case Event::Fire: {
            const int shot = int(run.random.bounded(quint32(ShotCount)));
            const int before = range.state().ActiveShot;
            // Only enabled shots answer a mouse click.
            range.shot(shot).click();
            if (before < 0 && range.state().ActiveShot == shot)
                ++expected.fires;
            run.check(before < 0 || range.state().ActiveShot == before,
                      "a chosen shot stays chosen");
            break;
        }
        case Event::Tick:
            // The clock only ticks while it runs.
            if (!range.timerOn())
                break;
            range.tick();
            if (++expected.ticksInCrossing == 529)
                expected.crossing = false;
            if (expected.crossing)
                run.check(range.target().left() == float(range.state().TargetX),
                          "the target is drawn at TargetX");
            else
                run.check(range.target().left() == 0 && range.state().TargetX == 0,
                          "a finished crossing puts the target back");
            break;
        }

        run.checkRange(range, columns);
        run.check(range.timerOn() == expected.crossing, "the timer runs exactly during a crossing");
        run.check(range.target().top() == targetTop, "the target never moves vertically");
        const qint64 hits = range.form.hits().value();
        const qint64 attempts = range.form.attempts().value();
        // Only a tick can score, one hit at a time, and only the clear
        // button takes the score back.
        if (event == Event::Clear)
            run.check(hits == 0, "clear zeroes the hits");
        else if (event == Event::Tick)
            run.check(hits == hitsBefore || hits == hitsBefore + 1, "one hit at a time");
        else
            run.check(hits == hitsBefore, "only a tick scores");
        if (hits > hitsBefore)
            ++scored;
        run.check(hits <= expected.fires, "no more hits than shots fired");
        run.check(attempts == expected.launches, "one attempt per crossing");
        run.check(range.hitsText() == QString::number(hits)
                      && range.attemptsText() == QString::number(attempts),
                  "the boxes show the counters");
    }
    QCOMPARE(run.failedAt, -1);
    // The sequence must have crossed and scored many times, or it proved little.
    qInfo("seed %u: %lld crossings, %lld hits", run.seed, crossings, scored);
    QVERIFY(crossings > 1000);
    QVERIFY(scored > 100);
}

QTEST_GUILESS_MAIN(TestMonkey)
#include "tst_monkey.moc"
