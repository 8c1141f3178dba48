// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rangefixture.h"

// Reset and motion: where the target and the shots are after each tick.
class TestRange : public QObject
{
    Q_OBJECT

private slots:
    void startsIdleWithShotsAtRest();
    void resetDuringFlightStopsEverythingButKeepsCounters();
    void targetIsDrawnAtEveryStepThenResetsPastTheEdge();
    void shotRisesThenReturnsToRestAndFreesAllShots();
    void shotChosenAtRestRisesWithTheNextLaunch();
    void crossingEndWithShotInFlightNeitherRaisesNorTestsIt();
    void tickWithoutShotMovesOnlyTheTarget();
};

void TestRange::startsIdleWithShotsAtRest()
{
    RangeFixture range;
    QCOMPARE(range.state().TargetX, 0);
    QCOMPARE(range.state().ActiveShot, -1);
    QCOMPARE(range.state().TargetStep, 10);
    QCOMPARE(range.state().ShotStep, qint16(20));
    QVERIFY(!range.state().HitScored);
    QVERIFY(!range.timerOn());
    QCOMPARE(range.target().left(), 0.0f);
    QCOMPARE(range.target().top(), 120.0f);
    const float columns[] = {1800, 2160, 2520, 2880, 3240, 3600,
                             3840, 4080, 4320, 4560, 4800, 5040};
    for (int i = 0; i < ShotCount; ++i) {
        QCOMPARE(range.shot(i).top(), RangeFixture::RestTop);
        QCOMPARE(range.shot(i).left(), columns[i]);
    }
    QCOMPARE(range.enabledShots(), RangeFixture::AllShots);
    QCOMPARE(range.attemptsText(), u"0");
    QCOMPARE(range.hitsText(), u"0");
    QCOMPARE(range.controls().Timer1.interval(), 150);
}

void TestRange::resetDuringFlightStopsEverythingButKeepsCounters()
{
    RangeFixture range;
    range.launch();
    range.fire(7);
    range.tick(30);
    QVERIFY(range.shot(7).top() < RangeFixture::RestTop);

    range.form.range().ResetRange();
    QVERIFY(!range.timerOn());
    QCOMPARE(range.state().TargetX, 0);
    QCOMPARE(range.state().ActiveShot, -1);
    QCOMPARE(range.target().left(), 0.0f);
    QCOMPARE(range.target().top(), 120.0f);
    QCOMPARE(range.shot(7).top(), RangeFixture::RestTop);
    QCOMPARE(range.shot(7).left(), 4080.0f);
    QCOMPARE(range.enabledShots(), RangeFixture::AllShots);
    QCOMPARE(range.attemptsText(), u"1");
}

void TestRange::targetIsDrawnAtEveryStepThenResetsPastTheEdge()
{
    RangeFixture range;
    range.launch();
    // The limit is the field's width less the target's: 5415 - 135 = 5280,
    // and reaching it exactly still draws the target.
    for (int n = 1; n <= 528; ++n) {
        range.tick();
        QCOMPARE(range.target().left(), float(10 * n));
        QVERIFY(range.timerOn());
    }
    range.tick();
    QVERIFY(!range.timerOn());
    QCOMPARE(range.target().left(), 0.0f);
    QCOMPARE(range.state().TargetX, 0);
}

void TestRange::shotRisesThenReturnsToRestAndFreesAllShots()
{
    RangeFixture range;
    range.launch();
    range.fire(4);
    for (int m = 1; m <= 125; ++m) {
        range.tick();
        QCOMPARE(range.shot(4).top(), RangeFixture::RestTop - float(20 * m));
        QCOMPARE(range.enabledShots(), 1u << 4);
    }
    QCOMPARE(range.shot(4).top(), 140.0f);
    // Rising to 120 would leave less than its own height above it.
    range.tick();
    QCOMPARE(range.shot(4).top(), RangeFixture::RestTop);
    QCOMPARE(range.state().ActiveShot, -1);
    QCOMPARE(range.enabledShots(), RangeFixture::AllShots);
    QVERIFY(range.timerOn());
    QCOMPARE(range.target().left(), 1260.0f);
}

void TestRange::shotChosenAtRestRisesWithTheNextLaunch()
{
    RangeFixture range;
    range.fire(2);
    QCOMPARE(range.enabledShots(), 1u << 2);
    QCOMPARE(range.shot(2).top(), RangeFixture::RestTop);
    QVERIFY(!range.timerOn());

    range.launch();
    QCOMPARE(range.shot(2).top(), RangeFixture::RestTop);
    range.tick();
    QCOMPARE(range.target().left(), 10.0f);
    QCOMPARE(range.shot(2).top(), RangeFixture::RestTop - 20);
}

void TestRange::crossingEndWithShotInFlightNeitherRaisesNorTestsIt()
{
    RangeFixture range;
    range.launch();
    range.tick(520);
    range.fire(11);
    range.tick(8);
    QCOMPARE(range.shot(11).top(), RangeFixture::RestTop - 160);
    range.tick();
    QVERIFY(!range.timerOn());
    QCOMPARE(range.shot(11).top(), RangeFixture::RestTop);
    QCOMPARE(range.state().ActiveShot, -1);
    QCOMPARE(range.enabledShots(), RangeFixture::AllShots);
    QCOMPARE(range.hitsText(), u"0");
}

void TestRange::tickWithoutShotMovesOnlyTheTarget()
{
    RangeFixture range;
    range.launch();
    range.tick(3);
    QCOMPARE(range.target().left(), 30.0f);
    for (int i = 0; i < ShotCount; ++i)
        QCOMPARE(range.shot(i).top(), RangeFixture::RestTop);
    QCOMPARE(range.enabledShots(), RangeFixture::AllShots);
}

QTEST_GUILESS_MAIN(TestRange)
#include "tst_range.moc"
