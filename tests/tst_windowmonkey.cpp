// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "monkeyrun.h"
#include "windowfixture.h"

// Random clicks anywhere in the real window, mixed with ticks, checking after
// each that what the widgets show agrees with a state the range can be in.
class TestWindowMonkey : public QObject
{
    Q_OBJECT

private slots:
    void randomClicksAndTicksKeepTheWindowConsistent();
};

void TestWindowMonkey::randomClicksAndTicksKeepTheWindowConsistent()
{
    MonkeyRun run;
    WindowFixture range;
    QVERIFY(QTest::qWaitForWindowExposed(&range.window));
    QWindow *window = range.window.windowHandle();
    const QSize client = range.window.size();
    const QRect buttons[] = {range.widget("Command1", 0)->geometry(),
                             range.widget("Command1", 1)->geometry()};
    platform::qt::FieldWidget *field = range.field();
    const QRectF targetAtRest = field->childRect(range.target());
    float columns[ShotCount];
    for (int i = 0; i < ShotCount; ++i)
        columns[i] = range.shot(i).left();

    qint64 clicks = 0;
    qint64 scored = 0;
    qint64 launched = 0;
    constexpr int Events = 10'000;
    for (; run.step < Events && !run.failed(); ++run.step) {
        const quint32 roll = run.random.bounded(100u);
        QPoint at;
        if (roll < 55) {
            // A burst of ticks, as many as arrive between two clicks; the clock
            // delivers none once it has stopped.
            for (int n = int(run.random.bounded(1u, 30u)); n > 0 && range.timerOn(); --n) {
                const qint64 before = range.form.hits().value();
                range.tick();
                scored += range.form.hits().value() - before;
            }
            continue;
        } else if (roll < 75) {
            // Aim at a shot, where a pupil would; the visible part is small.
            const int shot = int(run.random.bounded(quint32(ShotCount)));
            at = field->pos() + range.shotPoint(shot);
        } else if (roll < 82) {
            const QRect &button = buttons[run.random.bounded(99u) < 95 ? 0 : 1];
            at = button.topLeft()
                 + QPoint(int(run.random.bounded(quint32(button.width()))),
                          int(run.random.bounded(quint32(button.height()))));
        } else {
            at = QPoint(int(run.random.bounded(quint32(client.width()))),
                        int(run.random.bounded(quint32(client.height()))));
        }
        // Through the window, so that Qt finds the widget under the point.
        const qint64 hitsBefore = range.form.hits().value();
        const qint64 attemptsBefore = range.form.attempts().value();
        QTest::mouseClick(window, Qt::LeftButton, {}, at);
        launched += range.form.attempts().value() > attemptsBefore ? 1 : 0;
        ++clicks;

        run.checkRange(range, columns);
        const QRectF target = field->childRect(range.target());
        run.check(target.top() == targetAtRest.top() && target.size() == targetAtRest.size(),
                  "the target keeps its row and size on screen");
        run.check(!range.timerOn() ? range.target().left() == 0 : true,
                  "an idle target waits at the left edge");
        const qint64 hits = range.form.hits().value();
        const qint64 attempts = range.form.attempts().value();
        // Ticks score; a click can only take the score back, and only on the
        // clear button.
        run.check(hits == (buttons[1].contains(at) ? 0 : hitsBefore),
                  "only the clear button changes the hits");
        run.check(range.counter(0)->text() == QString::number(attempts)
                      && range.counter(1)->text() == QString::number(hits),
                  "the counter boxes show the counts");
    }
    QCOMPARE(run.failedAt, -1);
    qInfo("seed %u: %lld clicks, %lld launches, %lld hits", run.seed, clicks, launched, scored);
    QVERIFY(launched > 10);
    QVERIFY(scored > 0);
}

QTEST_MAIN(TestWindowMonkey)
#include "tst_windowmonkey.moc"
