// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowfixture.h"

#include <cmath>

// The window at a scale factor of 2, as on a projector or a high-density screen.
class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowRendersAtTwiceTheSize();
    void targetEdgeSnapsToDevicePixels_data();
    void targetEdgeSnapsToDevicePixels();

private:
    std::unique_ptr<WindowFixture> m_range;
};

void TestHighDpi::init()
{
    m_range = std::make_unique<WindowFixture>();
    QVERIFY(QTest::qWaitForWindowExposed(&m_range->window));
}

void TestHighDpi::cleanup()
{
    m_range.reset();
}

void TestHighDpi::windowRendersAtTwiceTheSize()
{
    QCOMPARE(m_range->window.devicePixelRatioF(), 2.0);
    const QImage image = m_range->window.grab().toImage();
    QCOMPARE(image.size(), QSize(902, 848));
    // The same layout: field corner, caption and buttons at twice their places.
    QCOMPARE(image.pixelColor(2 * 42 + 1, 2 * 42 + 1), QColor(0x00, 0xff, 0x00));
    QCOMPARE(image.pixelColor(2 * 42 - 1, 2 * 42 - 1), QColor(0x40, 0x40, 0x40));
    QCOMPARE(image.pixelColor(2 * 10, 2 * 236), QColor(0x00, 0xff, 0x00));
    QCOMPARE(image.pixelColor(2 * 372, 2 * 236), QColor(0xff, 0x00, 0x00));
}

void TestHighDpi::targetEdgeSnapsToDevicePixels_data()
{
    QTest::addColumn<int>("ticks");
    for (int ticks : {0, 1, 2, 3, 4, 10, 101, 528})
        QTest::addRow("%d ticks", ticks) << ticks;
}

void TestHighDpi::targetEdgeSnapsToDevicePixels()
{
    QFETCH(int, ticks);
    m_range->launch();
    m_range->tick(ticks);
    const QImage image = m_range->window.grab().toImage();
    const QColor target(0x80, 0x80, 0xff);
    // Down the middle of the target, well clear of any shot.
    const int row = 2 * (42 + 8 + 20);
    int left = -1;
    for (int x = 0; x < image.width() && left < 0; ++x) {
        if (image.pixelColor(x, row) == target)
            left = x;
    }
    // The twips position times 2/15 from the field's inner corner, rounded to
    // the nearest device pixel.
    const float twips = m_range->target().left();
    QCOMPARE(twips, float(10 * ticks));
    QCOMPARE(left, 2 * 42 + int(std::lround(twips * 2 / 15.0)));
    // Eighteen device pixels wide, less what the field's right border hides
    // at the end of a crossing.
    const int right = std::min(left + 18, 2 * (42 + 357));
    QCOMPARE(image.pixelColor(right - 1, row), target);
    QVERIFY(image.pixelColor(right, row) != target);
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
