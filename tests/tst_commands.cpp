// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rangefixture.h"

using namespace Qt::StringLiterals;

// The launch and clear buttons and the choice of a shot.
class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void launchCountsOncePerCrossing();
    void launchAfterClearCountsFromZero();
    void clearDuringFlightReturnsEverythingToRest();
    void firingWithoutTargetDisablesTheOtherShots();
    void disabledShotIgnoresClicks();
    void unknownIndicesDoNothing_data();
    void unknownIndicesDoNothing();
    void onlyCountedAttemptsAndHitsAreAnnounced();
};

void TestCommands::launchCountsOncePerCrossing()
{
    RangeFixture range;
    range.launch();
    range.tick(5);
    range.launch();
    QCOMPARE(range.attemptsText(), u"1");
    // A second launch neither restarts nor moves the target.
    QCOMPARE(range.target().left(), 50.0f);
    range.tick(524);
    QVERIFY(!range.timerOn());
    range.launch();
    QCOMPARE(range.attemptsText(), u"2");
    QVERIFY(range.timerOn());
}

void TestCommands::launchAfterClearCountsFromZero()
{
    RangeFixture range;
    range.launch();
    range.launch();
    range.clear();
    range.launch();
    QCOMPARE(range.attemptsText(), u"1");
    QCOMPARE(range.hitsText(), u"0");
}

void TestCommands::clearDuringFlightReturnsEverythingToRest()
{
    RangeFixture range;
    range.launchAndHit();
    range.tick(4);
    QCOMPARE(range.hitsText(), u"1");

    range.clear();
    QVERIFY(!range.timerOn());
    QCOMPARE(range.target().left(), 0.0f);
    QCOMPARE(range.shot(0).top(), RangeFixture::RestTop);
    QCOMPARE(range.state().ActiveShot, -1);
    QVERIFY(!range.state().HitScored);
    QCOMPARE(range.enabledShots(), RangeFixture::AllShots);
    QCOMPARE(range.attemptsText(), u"0");
    QCOMPARE(range.hitsText(), u"0");
}

void TestCommands::firingWithoutTargetDisablesTheOtherShots()
{
    RangeFixture range;
    range.shot(9).click();
    QCOMPARE(range.state().ActiveShot, 9);
    QCOMPARE(range.enabledShots(), 1u << 9);
    QCOMPARE(range.shot(9).top(), RangeFixture::RestTop);
    QCOMPARE(range.attemptsText(), u"0");
}

void TestCommands::disabledShotIgnoresClicks()
{
    RangeFixture range;
    range.launch();
    range.fire(3);
    range.tick(4);
    // Through the control, as a mouse click arrives, and through the handler.
    range.shot(5).click();
    range.fire(5);
    QCOMPARE(range.state().ActiveShot, 3);
    QCOMPARE(range.enabledShots(), 1u << 3);
    QCOMPARE(range.shot(5).top(), RangeFixture::RestTop);
    QCOMPARE(range.shot(3).top(), RangeFixture::RestTop - 80);
}

void TestCommands::unknownIndicesDoNothing_data()
{
    QTest::addColumn<bool>("command");
    QTest::addColumn<int>("index");
    QTest::newRow("button -1") << true << -1;
    QTest::newRow("button 2") << true << 2;
    QTest::newRow("shot -1") << false << -1;
    QTest::newRow("shot 12") << false << 12;
    QTest::newRow("shot 32767") << false << 32767;
}

void TestCommands::unknownIndicesDoNothing()
{
    QFETCH(bool, command);
    QFETCH(int, index);
    RangeFixture range;
    range.launch();
    range.tick(3);
    if (command)
        range.form.Command1_Click(index);
    else
        range.form.Label3_Click(index);
    QVERIFY(range.timerOn());
    QCOMPARE(range.attemptsText(), u"1");
    QCOMPARE(range.state().ActiveShot, -1);
    QCOMPARE(range.enabledShots(), RangeFixture::AllShots);
    QCOMPARE(range.target().left(), 30.0f);
}

void TestCommands::onlyCountedAttemptsAndHitsAreAnnounced()
{
    RangeFixture range;
    QStringList heard;
    const platform::Connection listening = range.form.announced.connect(
        [&heard](const std::string &message) { heard << QString::fromStdString(message); });
    range.launch();
    range.launch();
    range.tick(80);
    range.fire(0);
    range.tick(449);
    range.launch();
    range.clear();
    QCOMPARE(heard, QStringList({u"Опити: 1"_s, u"Попадения: 1"_s, u"Опити: 2"_s}));
}

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
