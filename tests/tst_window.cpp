// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowfixture.h"

#include "platform/qt/timerclock.h"

#include <QClipboard>
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
    void windowKeepsItsSizeAndFont();
    void colorsAndStackingAreExact();
    void disabledShotsLookTheSame();
    void movingObjectsLeaveNoTrace();
    void countersAreCentred();
    void exerciseTextCanBeSelectedAndCopiedFromTheKeyboard();
    void focusStartsInTheTextAndFollowsTheTabOrder();
    void clicksLaunchFireAndClear();
    void clickOnDisabledShotOrTargetDoesNothing();
    void realClockFollowsTheTimer();
    void fontCoversEveryShownCharacter();
    void windowIconPixelsMatchTheInstalledIcon();

private:
    QWidget *widget(std::string_view name, int index = -1) const
    {
        return m_range->widget(name, index);
    }
    platform::qt::FieldWidget *field() const { return m_range->field(); }
    QLineEdit *counter(int index) const { return m_range->counter(index); }
    QPoint shotPoint(int index) const { return m_range->shotPoint(index); }
    QColor pixel(QPoint at) const { return m_window->grab().toImage().pixelColor(at); }

    std::unique_ptr<WindowFixture> m_range;
    platform::qt::FormWindow *m_window = nullptr;
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
    QVERIFY(!widget("Text1", 1));

    m_range->launch();
    m_range->tick(3);
    QCOMPARE(field()->childRect(m_range->target()), QRectF(4, 10, 9, 41));
}

void TestWindow::windowKeepsItsSizeAndFont()
{
    m_window->resize(800, 600);
    QCOMPARE(m_window->size(), QSize(451, 424));
    QCOMPARE(m_window->windowTitle(),
             u"www.clayrange.example Физическо възпитание - спортна стрелба");
    QCOMPARE(qobject_cast<QLabel *>(widget("Label1", 0))->text(),
             u"Физическо възпитание - спортна стрелба");
    // What the font resolves to on this system: Times New Roman or one of
    // its metric twins, at 12 points on a 96 dpi screen.
    const QFontInfo font(m_window->font());
    QVERIFY2(QStringList({u"Times New Roman"_s, u"Liberation Serif"_s, u"Tinos"_s})
                 .contains(font.family()),
             qPrintable(font.family()));
    QCOMPARE(font.pixelSize(), 16);
    QVERIFY(!font.bold() && !font.italic());
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

    // Where a shot crosses the target, the shot is drawn on top and takes the click.
    m_range->target().setLeft(1800);
    m_range->shot(0).setTop(400);
    const QPoint crossing = field()->childRect(m_range->shot(0)).center().toPoint();
    QCOMPARE(pixel(crossing + fieldOrigin), QColor(0xc0, 0x40, 0x00));
    QTest::mouseClick(field(), Qt::LeftButton, {}, crossing);
    QCOMPARE(m_range->state().ActiveShot, 0);
}

void TestWindow::disabledShotsLookTheSame()
{
    const QRect inner = field()->innerRect().toRect().translated(field()->pos());
    const QImage before = m_window->grab(inner).toImage();
    m_range->fire(3);
    QCOMPARE(m_range->enabledShots(), 1u << 3);
    QCOMPARE(m_window->grab(inner).toImage(), before);
}

void TestWindow::movingObjectsLeaveNoTrace()
{
    // What the window system was last given, after the partial repaints that
    // each tick asks for, against a fresh paint of the whole field.
    const QRect area = field()->geometry();
    const auto shown = [this, area] {
        return m_window->screen()
            ->grabWindow(m_window->winId())
            .toImage()
            .copy(area)
            .convertToFormat(QImage::Format_RGB32);
    };
    m_range->launch();
    m_range->fire(0);
    for (int n = 1; n <= 200; ++n) {
        m_range->tick();
        QCoreApplication::processEvents();
        if (n % 50 == 0) {
            const QImage fresh =
                m_window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(shown(), fresh);
        }
    }
    // The flight ended and the shot dropped back to rest within these ticks.
    QCOMPARE(m_range->state().ActiveShot, -1);
}

void TestWindow::countersAreCentred()
{
    m_range->form.attempts().setValue(7);
    for (int i = 0; i < 2; ++i) {
        const QImage image = counter(i)->grab().toImage();
        // The columns that hold ink of the digit, inside the frame.
        int first = image.width();
        int last = -1;
        for (int x = 3; x < image.width() - 3; ++x) {
            for (int y = 3; y < image.height() - 3; ++y) {
                if (qGray(image.pixel(x, y)) < 128) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        QVERIFY(last >= first);
        QVERIFY2(qAbs((first + last + 1) / 2.0 - image.width() / 2.0) <= 2,
                 qPrintable(u"digit spans %1..%2 of %3"_s.arg(first).arg(last).arg(image.width())));
    }
}

void TestWindow::exerciseTextCanBeSelectedAndCopiedFromTheKeyboard()
{
    auto *panel = qobject_cast<QPlainTextEdit *>(widget("Text1", 0));
    const QString text = panel->toPlainText();
    panel->setFocus();
    QTest::keyClicks(panel, u"xyz"_s);
    QTest::keyClick(panel, Qt::Key_Delete);
    QCOMPARE(panel->toPlainText(), text);

    QTest::keyClick(panel, Qt::Key_Home, Qt::ControlModifier);
    for (int n = 0; n < 10; ++n)
        QTest::keyClick(panel, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keySequence(panel, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), text.left(10));

    QTest::keySequence(panel, QKeySequence::SelectAll);
    QTest::keySequence(panel, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

void TestWindow::focusStartsInTheTextAndFollowsTheTabOrder()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(QApplication::focusWidget(), widget("Text1", 0));
    const QList<QWidget *> order{static_cast<QWidget *>(field()),
                                 widget("Command1", 0),
                                 widget("Command1", 1),
                                 counter(0),
                                 counter(1),
                                 widget("Text1", 0)};
    QWidget *launch = widget("Command1", 0);
    const QImage unfocused = launch->grab().toImage();
    for (QWidget *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
        // The focus rectangle shows on a button that is not held down.
        if (next == launch)
            QVERIFY(launch->grab().toImage() != unfocused);
    }
    // A click fires a shot and leaves the reader's place in the text alone.
    QTest::mouseClick(field(), Qt::LeftButton, {}, shotPoint(3));
    QCOMPARE(m_range->state().ActiveShot, 3);
    QCOMPARE(QApplication::focusWidget(), widget("Text1", 0));
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
    // Nor is a click on the pixel row just above a shot.
    QTest::mouseClick(field(), Qt::LeftButton, {}, shotPoint(2) - QPoint(0, 3));
    QCOMPARE(m_range->state().ActiveShot, -1);
}

void TestWindow::realClockFollowsTheTimer()
{
    platform::Timer &timer = m_range->controls().Timer1;
    platform::qt::TimerClock clock(timer);
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

void TestWindow::windowIconPixelsMatchTheInstalledIcon()
{
    // The program shows plain pixels kept beside the PNG that launchers use;
    // a redrawn icon must change both.
    const QString icons = QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data/icons/");
    QFile raw(icons + u"clayrange-32.rgba"_s);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray pixels = raw.readAll();
    QCOMPARE(pixels.size(), 32 * 32 * 4);
    const QImage shown(reinterpret_cast<const uchar *>(pixels.constData()), 32, 32,
                       QImage::Format_RGBA8888);
    const QImage installed =
        QImage(icons + u"clayrange-32.png"_s).convertToFormat(QImage::Format_RGBA8888);
    QCOMPARE(shown, installed);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
