// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowfixture.h"

#include <QScreen>
#include <QWindow>

using namespace Qt::StringLiterals;

// The window under a window manager, on an X server of its own: only there
// does it get a frame, which nobody tells before the window is first shown.
class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void frameIsCentredOnceItIsKnown();
};

void TestDesktop::frameIsCentredOnceItIsKnown()
{
    QCOMPARE(QGuiApplication::platformName(), u"xcb"_s);
    WindowFixture range;
    QVERIFY(QTest::qWaitForWindowExposed(&range.window));
    QVERIFY(range.window.windowHandle()->frameMargins().top() > 10);
    const auto offCentre = [&range] {
        return range.window.frameGeometry().center()
               - range.window.screen()->availableGeometry().center();
    };
    // The window manager moves the frame in its own time.
    const auto centred = [&offCentre] {
        return qAbs(offCentre().x()) <= 1 && qAbs(offCentre().y()) <= 1;
    };
    if (!QTest::qWaitFor(centred, 2000)) {
        const QPoint off = offCentre();
        QFAIL(qPrintable(u"frame off centre by (%1, %2)"_s.arg(off.x()).arg(off.y())));
    }
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
