// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/pixelmapping.h"

#include <QtTest>

#include <cmath>

using platform::TwipsRect;
using platform::qt::PixelMapping;

// The one twips-to-pixels mapping behind painting, hit-testing and accessibility.
class TestPixelMapping : public QObject
{
    Q_OBJECT

private slots:
    void edgesSnapToDevicePixels_data();
    void edgesSnapToDevicePixels();
    void movingObjectKeepsItsSize_data();
    void movingObjectKeepsItsSize();
};

void TestPixelMapping::edgesSnapToDevicePixels_data()
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
    // The origin joins before snapping, or the field's border would shift
    // every object by a fraction.
    QTest::newRow("1.25x, inside a border") << 1.25 << 10.0f << 2.0 << 2.4;
    QTest::newRow("whole pixels stay whole") << 1.0 << 1800.0f << 2.0 << 122.0;
}

void TestPixelMapping::edgesSnapToDevicePixels()
{
    QFETCH(qreal, ratio);
    QFETCH(float, twips);
    QFETCH(qreal, originX);
    QFETCH(qreal, logical);
    const QRectF rect = PixelMapping(ratio).toLogical(TwipsRect{twips, 0, 135, 615}, {originX, 0});
    QCOMPARE(rect.x(), logical);
    const qreal device = rect.x() * ratio;
    QCOMPARE(device, std::round(device));
}

void TestPixelMapping::movingObjectKeepsItsSize_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("1.25x") << 1.25;
    QTest::newRow("1.5x") << 1.5;
    QTest::newRow("2x") << 2.0;
    QTest::newRow("3x") << 3.0;
}

void TestPixelMapping::movingObjectKeepsItsSize()
{
    QFETCH(qreal, ratio);
    const PixelMapping mapping(ratio);
    const QSizeF size = mapping.toLogical(TwipsRect{0, 120, 135, 615}, {2, 2}).size();
    qreal lastX = -1;
    for (int left = 0; left <= 5280; left += 10) {
        const QRectF rect = mapping.toLogical(TwipsRect{float(left), 120, 135, 615}, {2, 2});
        QCOMPARE(rect.size(), size);
        QVERIFY(rect.x() >= lastX);
        QVERIFY(qAbs(rect.x() - (2 + left / 15.0)) <= 0.5 / ratio + 1e-9);
        lastX = rect.x();
    }
}

QTEST_GUILESS_MAIN(TestPixelMapping)
#include "tst_pixelmapping.moc"
