// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rangefixture.h"

using namespace Qt::StringLiterals;

// Reset and motion: where the target and the shots are after each tick.
class TestRange : public QObject
{
    Q_OBJECT

private slots:
    void startsIdleWithShotsAtRest();
    void resetDuringFlightStopsEverythingButKeepsCounters();
    void resetRestsAndFreesShotByShot();
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
    range.launchAndHit();
    range.tick(4);
    QCOMPARE(range.hitsText(), u"1");
    QVERIFY(range.shot(0).top() < RangeFixture::RestTop);

    range.form.range().ResetRange();
    QVERIFY(!range.timerOn());
    QCOMPARE(range.state().TargetX, 0);
    QCOMPARE(range.state().ActiveShot, -1);
    QVERIFY(!range.state().HitScored);
    QCOMPARE(range.target().left(), 0.0f);
    QCOMPARE(range.target().top(), 120.0f);
    QCOMPARE(range.shot(0).top(), RangeFixture::RestTop);
    QCOMPARE(range.shot(0).left(), 1800.0f);
    QCOMPARE(range.enabledShots(), RangeFixture::AllShots);
    QCOMPARE(range.attemptsText(), u"1");
    QCOMPARE(range.hitsText(), u"1");
}

void TestRange::resetRestsAndFreesShotByShot()
{
    RangeFixture range;
    range.launch();
    range.fire(7);
    range.tick(30);
    // What a view sees during the reset, in order.
    QStringList seen;
    std::vector<platform::Connection> listening;
    for (int i = 0; i < ShotCount; ++i) {
        listening.push_back(range.shot(i).moved.connect(
            [&seen, i](const platform::TwipsRect &) { seen << u"rest %1"_s.arg(i); }));
        listening.push_back(range.shot(i).enabledChanged.connect(
            [&seen, i](bool) { seen << u"free %1"_s.arg(i); }));
    }
    range.form.range().ResetRange();
    QCOMPARE(seen, QStringList({u"free 0"_s, u"free 1"_s, u"free 2"_s, u"free 3"_s, u"free 4"_s,
                                u"free 5"_s, u"free 6"_s, u"rest 7"_s, u"free 8"_s, u"free 9"_s,
                                u"free 10"_s, u"free 11"_s}));
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
    // A shot standing just right of the last column, where the target would be
    // drawn on the tick that ends the crossing. Fired after tick 433, it first
    // comes level with the target on tick 529, that very tick.
    range.shot(11).setLeft(5300);
    range.launch();
    range.tick(433);
    range.fire(11);
    range.tick(95);
    QCOMPARE(range.hitsText(), u"0");
    QCOMPARE(range.shot(11).top(), RangeFixture::RestTop - 95 * 20);

    std::vector<float> targetLefts;
    std::vector<float> shotTops;
    const platform::Connection target = range.target().moved.connect(
        [&](const platform::TwipsRect &) { targetLefts.push_back(range.target().left()); });
    const platform::Connection shot = range.shot(11).moved.connect(
        [&](const platform::TwipsRect &) { shotTops.push_back(range.shot(11).top()); });
    range.tick();
    QVERIFY(!range.timerOn());
    // Straight back to rest: never drawn past the edge, never raised.
    QCOMPARE(targetLefts, std::vector<float>{0.0f});
    QCOMPARE(shotTops, std::vector<float>{RangeFixture::RestTop});
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
