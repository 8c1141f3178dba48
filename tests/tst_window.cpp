// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowfixture.h"

#include "platform/qt/timerclock.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

// The real window, offscreen: where things are, what they look like, and what
// a click on them does.
class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsStandAtTheirPixelPlaces();
    void windowIsFixedWithCloseOnly();
    void colorsAndStackingAreExact();
    void focusStartsInTheTextAndFollowsTheTabOrder();
    void clicksLaunchFireAndClear();
    void clickOnDisabledShotOrTargetDoesNothing();
    void realClockFollowsTheTimer();
    void fontCoversEveryShownCharacter();

private:
    QWidget *widget(std::string_view name, int index = -1) const
    {
        return m_range->widget(name, index);
    }
    platform::FieldWidget *field() const { return m_range->field(); }
    QLineEdit *counter(int index) const { return m_range->counter(index); }
    QPoint shotPoint(int index) const { return m_range->shotPoint(index); }
    QColor pixel(QPoint at) const { return m_window->grab().toImage().pixelColor(at); }

    std::unique_ptr<WindowFixture> m_range;
    platform::FormWindow *m_window = nullptr;
};

void TestWindow::init()
{
    m_range = std::make_unique<WindowFixture>();
    m_window = &m_range->window;
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestWindow::cleanup()
{
    m_range.reset();
}

void TestWindow::controlsStandAtTheirPixelPlaces()
{
    QCOMPARE(m_window->size(), QSize(451, 424));
    QCOMPARE(field()->geometry(), QRect(40, 40, 361, 185));
    QCOMPARE(field()->innerRect(), QRectF(2, 2, 357, 181));
    QCOMPARE(field()->childRect(m_range->target()), QRectF(2, 10, 9, 41));
    QCOMPARE(field()->childRect(m_range->shot(0)), QRectF(122, 178, 9, 9));
    QCOMPARE(field()->childRect(m_range->shot(11)), QRectF(338, 178, 9, 9));
    // Only the upper five rows of a resting shot lie inside the field.
    QCOMPARE(field()->childRect(m_range->shot(0)).intersected(field()->innerRect()).height(), 5.0);

    QCOMPARE(widget("Label1", 0)->geometry(), QRect(72, 0, 305, 25));
    QCOMPARE(widget("Command1", 0)->geometry(), QRect(8, 232, 73, 25));
    QCOMPARE(widget("Label1", 1)->geometry(), QRect(96, 232, 57, 25));
    QCOMPARE(counter(0)->geometry(), QRect(152, 232, 49, 27));
    QCOMPARE(widget("Label1", 2)->geometry(), QRect(216, 232, 89, 25));
    QCOMPARE(counter(1)->geometry(), QRect(304, 232, 49, 27));
    QCOMPARE(widget("Command1", 1)->geometry(), QRect(368, 232, 73, 25));
    QCOMPARE(widget("Text1", 0)->geometry(), QRect(8, 264, 433, 153));
    QVERIFY(!widget("Text1", 1)->isVisible());

    m_range->launch();
    m_range->tick(3);
    QCOMPARE(field()->childRect(m_range->target()), QRectF(4, 10, 9, 41));
}

void TestWindow::windowIsFixedWithCloseOnly()
{
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_window->windowTitle(),
             u"www.clayrange.example Физическо възпитание - спортна стрелба");
    QCOMPARE(m_window->font().family(), u"Times New Roman");
    QCOMPARE(m_window->font().pointSize(), 12);
    const QPoint offCentre =
        m_window->frameGeometry().center() - m_window->screen()->availableGeometry().center();
    // Centred to within the frame's thickness, which no window system tells
    // before the window is first shown.
    QVERIFY(offCentre.manhattanLength() <= 4);
}

void TestWindow::colorsAndStackingAreExact()
{
    m_range->launch();
    m_range->tick(30);
    const QImage image = m_window->grab().toImage();
    const QPoint fieldOrigin = field()->pos();
    const QPoint target = field()->childRect(m_range->target()).center().toPoint() + fieldOrigin;
    QCOMPARE(image.pixelColor(target), QColor(0x80, 0x80, 0xff));
    QCOMPARE(image.pixelColor(shotPoint(4) + fieldOrigin), QColor(0xc0, 0x40, 0x00));
    QCOMPARE(image.pixelColor(fieldOrigin + QPoint(200, 100)), QColor(0x00, 0xff, 0x00));
    QCOMPARE(image.pixelColor(QPoint(20, 20)), QColor(0xc0, 0xc0, 0xff));
    QCOMPARE(image.pixelColor(QPoint(75, 10)), QColor(0xff, 0xc0, 0x80));
    QCOMPARE(image.pixelColor(QPoint(12, 236)), QColor(0x00, 0xff, 0x00));
    QCOMPARE(image.pixelColor(QPoint(372, 236)), QColor(0xff, 0x00, 0x00));
    // The counter covers the last column of the caption beside it.
    QCOMPARE(image.pixelColor(QPoint(151, 240)), QColor(0xff, 0xc0, 0x80));
    QVERIFY(image.pixelColor(QPoint(152, 240)) != QColor(0xff, 0xc0, 0x80));

    // Where a shot crosses the target, the shot is drawn on top.
    m_range->target().setLeft(1800);
    m_range->shot(0).setTop(400);
    QCOMPARE(pixel(field()->childRect(m_range->shot(0)).center().toPoint() + fieldOrigin),
             QColor(0xc0, 0x40, 0x00));
}

void TestWindow::focusStartsInTheTextAndFollowsTheTabOrder()
{
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(QApplication::focusWidget(), widget("Text1", 0));
    const QList<QWidget *> order{static_cast<QWidget *>(field()),
                                 widget("Command1", 0),
                                 widget("Command1", 1),
                                 counter(0),
                                 counter(1),
                                 widget("Text1", 0)};
    for (QWidget *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestWindow::clicksLaunchFireAndClear()
{
    QTest::mouseClick(widget("Command1", 0), Qt::LeftButton);
    QCOMPARE(counter(0)->text(), u"1");
    QVERIFY(m_range->timerOn());

    QTest::mouseClick(field(), Qt::LeftButton, {}, shotPoint(3));
    QCOMPARE(m_range->state().ActiveShot, 3);
    QCOMPARE(m_range->enabledShots(), 1u << 3);

    m_range->tick(10);
    // Ten steps up is 2440 twips, 162.67 pixels, drawn on pixel row 165.
    const QRectF shot = field()->childRect(m_range->shot(3));
    QCOMPARE(shot, QRectF(194, 165, 9, 9));
    QCOMPARE(pixel(shot.center().toPoint() + field()->pos()), QColor(0xc0, 0x40, 0x00));

    QTest::mouseClick(widget("Command1", 1), Qt::LeftButton);
    QCOMPARE(counter(0)->text(), u"0");
    QCOMPARE(counter(1)->text(), u"0");
    QVERIFY(!m_range->timerOn());
    QCOMPARE(m_range->enabledShots(), RangeFixture::AllShots);
    QCOMPARE(field()->childRect(m_range->shot(3)), QRectF(194, 178, 9, 9));
}

void TestWindow::clickOnDisabledShotOrTargetDoesNothing()
{
    QTest::mouseClick(field(), Qt::LeftButton, {}, shotPoint(3));
    QTest::mouseClick(field(), Qt::LeftButton, {}, shotPoint(5));
    QCOMPARE(m_range->state().ActiveShot, 3);
    const QPoint target = field()->childRect(m_range->target()).center().toPoint();
    QTest::mouseClick(field(), Qt::LeftButton, {}, target);
    QTest::mouseClick(counter(1), Qt::LeftButton);
    QTest::keyClicks(counter(1), u"77"_s);
    QCOMPARE(counter(1)->text(), u"0");
    QCOMPARE(m_range->state().ActiveShot, 3);
    QCOMPARE(m_range->enabledShots(), 1u << 3);
    // A press on one shot released over another is no click.
    m_range->clear();
    QTest::mousePress(field(), Qt::LeftButton, {}, shotPoint(1));
    QTest::mouseRelease(field(), Qt::LeftButton, {}, shotPoint(2));
    QCOMPARE(m_range->state().ActiveShot, -1);
}

void TestWindow::realClockFollowsTheTimer()
{
    platform::Timer &timer = m_range->controls().Timer1;
    platform::TimerClock clock(timer);
    int ticks = 0;
    const platform::Connection counting = timer.ticked.connect([&ticks] { ++ticks; });
    QVERIFY(!clock.running());

    QElapsedTimer elapsed;
    elapsed.start();
    QTest::mouseClick(widget("Command1", 0), Qt::LeftButton);
    QVERIFY(clock.running());
    QVERIFY(QTest::qWaitFor([&ticks] { return ticks > 0; }, 2000));
    // A clock that fired at once, rather than one interval after the start,
    // would show here.
    QVERIFY(elapsed.elapsed() >= 145);
    QCOMPARE(m_range->target().left(), 10.0f * float(ticks));

    QTest::mouseClick(widget("Command1", 1), Qt::LeftButton);
    QVERIFY(!clock.running());
    const int stoppedAt = ticks;
    QTest::qWait(2 * timer.interval());
    QCOMPARE(ticks, stoppedAt);
    QCOMPARE(m_range->target().left(), 0.0f);
}

void TestWindow::fontCoversEveryShownCharacter()
{
    QStringList texts{m_window->windowTitle()};
    for (const platform::Control *control : m_range->form.form().controls()) {
        if (control->properties().visible)
            texts << QString::fromStdString(control->text())
                  << QString::fromStdString(control->properties().accessibleName);
    }
    const QFontMetrics metrics(m_window->font());
    for (const QString &text : std::as_const(texts)) {
        for (const char32_t ch : text.toUcs4()) {
            if (ch == u'\r' || ch == u'\n')
                continue;
            if (!metrics.inFontUcs4(ch))
                QFAIL(qPrintable(u"%1 has no glyph for U+%2 of \"%3\""_s.arg(
                    QFontInfo(m_window->font()).family(), QString::number(ch, 16), text)));
        }
    }
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
