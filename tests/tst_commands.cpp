// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rangefixture.h"

#include "platform/model/clickgesture.h"

using namespace Qt::StringLiterals;

// The launch and clear buttons, the choice of a shot, and what the window
// decides for every front end: what a click is, what a caption shows and where
// the focus goes.
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
    void clickIsAPressAndAReleaseOnTheSameShot_data();
    void clickIsAPressAndAReleaseOnTheSameShot();
    void captionShowsItsTextWithoutClosingBreaks_data();
    void captionShowsItsTextWithoutClosingBreaks();
    void focusStartsInTheTextAndSkipsCaptions();
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

namespace {

// Where a mouse at the centre of a control lands, in the field's twips.
platform::TwipsPoint centreOf(const platform::Control &control)
{
    return {control.left() + control.width() / 2, control.top() + control.height() / 2};
}

} // namespace

void TestCommands::clickIsAPressAndAReleaseOnTheSameShot_data()
{
    // -1: the target; 12: outside the field.
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("released");
    QTest::addColumn<bool>("fireBetween");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<QList<int>>("clicked");
    QTest::newRow("same shot") << 3 << 3 << false << false << QList<int>{3};
    QTest::newRow("released over another shot") << 3 << 4 << false << false << QList<int>{};
    QTest::newRow("pressed on another shot") << 4 << 3 << false << false << QList<int>{};
    QTest::newRow("released outside the field") << 3 << 12 << false << false << QList<int>{};
    QTest::newRow("pressed on the target") << -1 << 3 << false << false << QList<int>{};
    // Shot 5 fired in between, which leaves shot 3 disabled at the release.
    QTest::newRow("disabled before the release") << 3 << 3 << true << false << QList<int>{};
    QTest::newRow("press lost") << 3 << 3 << false << true << QList<int>{};
}

void TestCommands::clickIsAPressAndAReleaseOnTheSameShot()
{
    QFETCH(int, pressed);
    QFETCH(int, released);
    QFETCH(bool, fireBetween);
    QFETCH(bool, cancelled);
    QFETCH(QList<int>, clicked);
    RangeFixture range;
    const auto at = [&range](int index) -> platform::TwipsPoint {
        if (index == ShotCount)
            return {-1, -1};
        return centreOf(index < 0 ? static_cast<platform::Control &>(range.target())
                                  : range.shot(index));
    };
    QList<int> heard;
    std::vector<platform::Connection> listening;
    for (int i = 0; i < ShotCount; ++i)
        listening.push_back(range.shot(i).clicked.connect([&heard](int index) { heard << index; }));
    platform::ClickGesture gesture(range.controls().Picture1);
    QCOMPARE(gesture.press(at(pressed)), pressed >= 0 && pressed < ShotCount);
    if (fireBetween)
        range.fire(5);
    if (cancelled)
        gesture.cancel();
    gesture.release(at(released));
    // A second release without a press is no click.
    gesture.release(at(released));
    QCOMPARE(heard, clicked);
}

void TestCommands::captionShowsItsTextWithoutClosingBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("two breaks") << u" a\n\r\n"_s << u" a"_s;
    QTest::newRow("a break inside stays") << u"a\r\nb \r\n"_s << u"a\r\nb "_s;
}

void TestCommands::captionShowsItsTextWithoutClosingBreaks()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    const platform::Label caption({.text = text.toStdString()});
    const std::string_view actual = caption.shownText();
    QCOMPARE(QString::fromUtf8(actual.data(), qsizetype(actual.size())), shown);
}

void TestCommands::focusStartsInTheTextAndSkipsCaptions()
{
    RangeFixture range;
    const platform::Form &form = range.form.form();
    QStringList stops;
    for (const platform::Control *control : form.tabStops())
        stops << QString::fromStdString(control->name());
    // Not the captions, though each has a tab position, nor the hidden panel.
    QCOMPARE(stops, QStringList({u"Text1"_s, u"Picture1"_s, u"Command1"_s, u"Command1"_s,
                                 u"Text2"_s, u"Text2"_s}));
    QCOMPARE(form.initialFocus(), form.find("Text1", 0));
}

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
