// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/model/pixelgrid.h"

#include <QtTest>

#include <cmath>

using platform::LogicalPoint;
using platform::PixelGrid;
using platform::PixelPoint;
using platform::PixelRect;
using platform::TwipsRect;

// The one twips-to-pixels grid behind painting, hit-testing and accessibility
// in every front end, and where a window's frame goes on the screen.
class TestPixelGrid : public QObject
{
    Q_OBJECT

private slots:
    void edgesSnapToDevicePixels_data();
    void edgesSnapToDevicePixels();
    void movingObjectKeepsItsSize_data();
    void movingObjectKeepsItsSize();
    void pointMapsBackThroughThePixelCentre_data();
    void pointMapsBackThroughThePixelCentre();
    void frameIsCentredOnTheScreen_data();
    void frameIsCentredOnTheScreen();
};

void TestPixelGrid::edgesSnapToDevicePixels_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<float>("twips");
    QTest::addColumn<qreal>("originX");
    QTest::addColumn<qreal>("logical");

    // Two thirds of a pixel per target step: 0.67, 1.33, 2 at ratio 1.
    QTest::newRow("1x, one step") << 1.0 << 10.0f << 0.0 << 1.0;
    QTest::newRow("1x, two steps") << 1.0 << 20.0f << 0.0 << 1.0;
    QTest::newRow("1x, three steps") << 1.0 << 30.0f << 0.0 << 2.0;
    QTest::newRow("2x, one step") << 2.0 << 10.0f << 0.0 << 0.5;
    QTest::newRow("2x, two steps") << 2.0 << 20.0f << 0.0 << 1.5;
    QTest::newRow("1.5x, one step") << 1.5 << 10.0f << 0.0 << 2.0 / 3.0;
    QTest::newRow("no scale counts as 1x") << 0.0 << 30.0f << 0.0 << 2.0;
    // The origin joins before snapping, or the field's border would shift
    // every object by a fraction.
    QTest::newRow("1.25x, inside a border") << 1.25 << 10.0f << 2.0 << 2.4;
    QTest::newRow("whole pixels stay whole") << 1.0 << 1800.0f << 2.0 << 122.0;
}

void TestPixelGrid::edgesSnapToDevicePixels()
{
    QFETCH(qreal, ratio);
    QFETCH(float, twips);
    QFETCH(qreal, originX);
    QFETCH(qreal, logical);
    const PixelGrid grid(ratio);
    const platform::LogicalRect rect = grid.toLogical(TwipsRect{twips, 0, 135, 615}, {originX, 0});
    QCOMPARE(rect.left, logical);
    const qreal device = rect.left * grid.deviceScale();
    QCOMPARE(device, std::round(device));
    // Whole device pixels, for the front end that places by them, are the
    // same edges.
    if (originX == 0)
        QCOMPARE(grid.toDevice(twips), int(device));
}

void TestPixelGrid::movingObjectKeepsItsSize_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("1.25x") << 1.25;
    QTest::newRow("1.5x") << 1.5;
    QTest::newRow("2x") << 2.0;
    QTest::newRow("3x") << 3.0;
}

void TestPixelGrid::movingObjectKeepsItsSize()
{
    QFETCH(qreal, ratio);
    const PixelGrid grid(ratio);
    const auto place = [&grid](int left) {
        return grid.toLogical(TwipsRect{float(left), 120, 135, 615}, {2, 2});
    };
    qreal lastX = -1;
    for (int left = 0; left <= 5280; left += 10) {
        const platform::LogicalRect rect = place(left);
        QCOMPARE(rect.width, place(0).width);
        QCOMPARE(rect.height, place(0).height);
        QVERIFY(rect.left >= lastX);
        QVERIFY(qAbs(rect.left - (2 + left / 15.0)) <= 0.5 / ratio + 1e-9);
        lastX = rect.left;
    }
}

void TestPixelGrid::pointMapsBackThroughThePixelCentre_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<qreal>("logical");
    QTest::addColumn<qreal>("origin");
    QTest::addColumn<float>("twips");

    QTest::newRow("1x, pixel 0") << 1.0 << 0.0 << 0.0 << 7.5f;
    QTest::newRow("1x, anywhere in pixel 3") << 1.0 << 3.9 << 0.0 << 52.5f;
    QTest::newRow("1x, inside a border") << 1.0 << 5.0 << 2.0 << 52.5f;
    QTest::newRow("2x, second half of pixel 3") << 2.0 << 3.5 << 0.0 << 56.25f;
}

void TestPixelGrid::pointMapsBackThroughThePixelCentre()
{
    QFETCH(qreal, ratio);
    QFETCH(qreal, logical);
    QFETCH(qreal, origin);
    QFETCH(float, twips);
    const PixelGrid grid(ratio);
    const platform::TwipsPoint point = grid.toTwips(LogicalPoint{logical, 1.0}, {origin, 0});
    QCOMPARE(point.x, twips);
    if (origin == 0) {
        const int device = int(std::floor(logical * ratio));
        QCOMPARE(grid.toTwips(PixelPoint{device, 0}).x, twips);
    }
}

void TestPixelGrid::frameIsCentredOnTheScreen_data()
{
    QTest::addColumn<PixelRect>("available");
    QTest::addColumn<platform::PixelMargins>("frame");
    QTest::addColumn<PixelPoint>("position");
    QTest::newRow("no frame") << PixelRect{0, 0, 1024, 768} << platform::PixelMargins{}
                              << PixelPoint{286, 172};
    // A 20-pixel title bar lifts the client area by half of it.
    QTest::newRow("title bar") << PixelRect{0, 0, 1024, 768} << platform::PixelMargins{1, 20, 1, 1}
                               << PixelPoint{285, 161};
    QTest::newRow("panel on the left")
        << PixelRect{64, 0, 1856, 1080} << platform::PixelMargins{4, 30, 4, 4}
        << PixelPoint{762, 311};
}

void TestPixelGrid::frameIsCentredOnTheScreen()
{
    QFETCH(PixelRect, available);
    QFETCH(platform::PixelMargins, frame);
    QFETCH(PixelPoint, position);
    QCOMPARE(platform::centredFramePosition(available, 451, 424, frame), position);
}

QTEST_GUILESS_MAIN(TestPixelGrid)
#include "tst_pixelgrid.moc"
