// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rangefixture.h"

#include "range/counter.h"

// The hit test: a hit is an overlap of target and shot, counted once per shot.
class TestHit : public QObject
{
    Q_OBJECT

private slots:
    void overlapDecidesAHit_data();
    void overlapDecidesAHit();
    void hitComesOnTheFirstOverlappingTick_data();
    void hitComesOnTheFirstOverlappingTick();
    void successiveShotsOfOneCrossingEachScore();
    void choosingTheFlyingShotAgainCannotScoreTwice();
    void countersSaturateInsteadOfOverflowing();
};

void TestHit::overlapDecidesAHit_data()
{
    QTest::addColumn<float>("targetLeft");
    QTest::addColumn<float>("shotTop");
    QTest::addColumn<bool>("hit");

    // Shot 0 spans 1800..1935 across; the target spans 120..735 down and is
    // 135 wide. Touching edges count; half a twip apart does not.
    QTest::newRow("inside") << 1800.0f << 400.0f << true;
    QTest::newRow("shot top on target bottom") << 1800.0f << 735.0f << true;
    QTest::newRow("shot just below target") << 1800.0f << 735.5f << false;
    QTest::newRow("shot bottom on target top") << 1800.0f << -15.0f << true;
    QTest::newRow("shot just above target") << 1800.0f << -15.5f << false;
    QTest::newRow("target right on shot left") << 1665.0f << 400.0f << true;
    QTest::newRow("target just left of shot") << 1664.5f << 400.0f << false;
    QTest::newRow("target left on shot right") << 1935.0f << 400.0f << true;
    QTest::newRow("target just right of shot") << 1935.5f << 400.0f << false;
    // A hit needs an overlap in both directions: level alone, or in the same
    // column alone, is no hit.
    QTest::newRow("shot at rest, target at the start") << 0.0f << 2640.0f << false;
    QTest::newRow("level, but far to the left") << 10.0f << 400.0f << false;
    QTest::newRow("in column, but far below") << 1800.0f << 2000.0f << false;
}

void TestHit::overlapDecidesAHit()
{
    QFETCH(float, targetLeft);
    QFETCH(float, shotTop);
    QFETCH(bool, hit);

    RangeFixture range;
    range.fire(0);
    range.target().setLeft(targetLeft);
    range.shot(0).setTop(shotTop);
    range.form.range().CheckHit();
    QCOMPARE(range.state().HitScored, hit);
    QCOMPARE(range.hitsText(), hit ? u"1" : u"0");
}

void TestHit::hitComesOnTheFirstOverlappingTick_data()
{
    QTest::addColumn<int>("shot");
    QTest::addColumn<int>("fireAfter");
    QTest::addColumn<int>("hitTick");

    // Shot 0 overlaps the target across on ticks 167..193 of a crossing, and
    // down from the 96th tick of its flight until it drops back after 125.
    QTest::newRow("across edge last: target reaches shot") << 0 << 60 << 167;
    QTest::newRow("down edge last: shot reaches target") << 0 << 80 << 176;
    QTest::newRow("too late: target has passed") << 0 << 100 << 0;
    QTest::newRow("too early: shot drops back first") << 0 << 0 << 0;
    // Shot 11 overlaps across on ticks 491..517.
    QTest::newRow("last column, target reaches shot") << 11 << 380 << 491;
    QTest::newRow("last column, shot reaches target") << 11 << 400 << 496;
    QTest::newRow("last column, too late") << 11 << 425 << 0;
}

void TestHit::hitComesOnTheFirstOverlappingTick()
{
    QFETCH(int, shot);
    QFETCH(int, fireAfter);
    QFETCH(int, hitTick);

    RangeFixture range;
    range.launch();
    range.tick(fireAfter);
    range.fire(shot);
    int firstHit = 0;
    for (int n = fireAfter + 1; range.timerOn(); ++n) {
        range.tick();
        if (range.form.hits().value() > 0 && firstHit == 0)
            firstHit = n;
        QVERIFY(range.form.hits().value() <= 1);
    }
    QCOMPARE(firstHit, hitTick);
}

void TestHit::successiveShotsOfOneCrossingEachScore()
{
    RangeFixture range;
    range.launchAndHit();
    QCOMPARE(range.hitsText(), u"1");
    // The first flight ends 126 ticks after its shot was fired, scored or not.
    range.tick(30);
    QCOMPARE(range.state().ActiveShot, -1);
    QVERIFY(!range.state().HitScored);

    range.tick(400 - 206);
    range.fire(11);
    range.tick(95);
    QCOMPARE(range.hitsText(), u"1");
    range.tick();
    QCOMPARE(range.hitsText(), u"2");
    // The end of the crossing puts the range back, not the score.
    range.tick(529 - 496);
    QVERIFY(!range.timerOn());
    QCOMPARE(range.hitsText(), u"2");
}

void TestHit::choosingTheFlyingShotAgainCannotScoreTwice()
{
    RangeFixture range;
    range.launchAndHit();
    QCOMPARE(range.hitsText(), u"1");
    const float top = range.shot(0).top();

    // Still overlapping for many more ticks; clicking the shot again must not
    // make it count anew.
    for (int n = 0; n < 15; ++n) {
        range.fire(0);
        QCOMPARE(range.shot(0).top(), top - float(20 * n));
        QCOMPARE(range.state().ActiveShot, 0);
        QVERIFY(range.state().HitScored);
        QCOMPARE(range.enabledShots(), 1u);
        range.tick();
    }
    QCOMPARE(range.hitsText(), u"1");
}

void TestHit::countersSaturateInsteadOfOverflowing()
{
    RangeFixture range;
    // Past the 16-bit limit the old program stopped at.
    range.form.attempts().setValue(32767);
    range.launch();
    QCOMPARE(range.attemptsText(), u"32768");

    range.clear();
    range.form.attempts().setValue(Counter::Max);
    range.launch();
    QVERIFY(range.timerOn());
    QCOMPARE(range.form.attempts().value(), Counter::Max);
    QCOMPARE(range.attemptsText(), u"9223372036854775807");

    range.form.hits().setValue(Counter::Max);
    range.fire(0);
    range.target().setLeft(1800);
    range.shot(0).setTop(400);
    range.form.range().CheckHit();
    QVERIFY(range.state().HitScored);
    QCOMPARE(range.form.hits().value(), Counter::Max);
    QCOMPARE(range.hitsText(), u"9223372036854775807");
}

QTEST_GUILESS_MAIN(TestHit)
#include "tst_hit.moc"
