#include <QTest>

#include "gui/ui/region_from_bitmap.h"

using dorvane::KeyBand;
using dorvane::regionFromBitmap;
using dorvane::RegionScan;

namespace {

constexpr QRgb kGreen = 0xFF00FF00;

QImage filled(int w, int h, QRgb colour) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

// The pixels a region holds, as a set of points, for exact comparisons.
QImage rasterise(const QRegion& region, QSize size) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::black);
    for (const QRect& r : region)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (x >= 0 && y >= 0 && x < size.width() && y < size.height()) img.setPixel(x, y, 0xFFFFFFFF);
    return img;
}

}  // namespace

class RegionFromBitmapTest : public QObject {
    Q_OBJECT

private slots:
    void nullImageGivesNoRegion() { QVERIFY(!regionFromBitmap(QImage(), kGreen).has_value()); }

    void onePixelOfKeyIsCutOut() {
        QImage img = filled(40, 20, qRgb(40, 40, 50));
        img.setPixel(10, 5, qRgb(10, 250, 5));  // inside the green band
        for (RegionScan scan : {RegionScan::KeyRuns, RegionScan::OpaqueRuns}) {
            const auto region = regionFromBitmap(img, kGreen, scan);
            QVERIFY(region.has_value());
            QCOMPARE(region->boundingRect(), QRect(0, 0, 40, 20));
            QVERIFY(!region->contains(QPoint(10, 5)));
            QVERIFY(region->contains(QPoint(9, 5)));
            QVERIFY(region->contains(QPoint(11, 5)));
            QVERIFY(region->contains(QPoint(10, 4)));
            QCOMPARE(rasterise(*region, img.size()).pixel(10, 5) & 0xFFFFFF, 0u);
            QCOMPARE(QRegion(0, 0, 40, 20).subtracted(*region), QRegion(10, 5, 1, 1));
        }
    }

    void allKeyGivesEmptyRegion() {
        for (RegionScan scan : {RegionScan::KeyRuns, RegionScan::OpaqueRuns}) {
            const auto region = regionFromBitmap(filled(30, 12, kGreen), kGreen, scan);
            QVERIFY(region.has_value());
            QVERIFY(region->isEmpty());
        }
    }

    void noKeyGivesFullRectangle() {
        const auto region = regionFromBitmap(filled(445, 390, qRgb(60, 60, 60)), kGreen);
        QVERIFY(region.has_value());
        QCOMPARE(*region, QRegion(0, 0, 445, 390));
    }

    void bandEdgesOfGreen() {
        // Green at least 238, red and blue at most 17.
        const KeyBand band = KeyBand::around(kGreen);
        QVERIFY(band.contains(qRgb(17, 238, 17)));
        QVERIFY(!band.contains(qRgb(18, 255, 0)));
        QVERIFY(!band.contains(qRgb(0, 237, 0)));
        QVERIFY(!band.contains(qRgb(0, 255, 18)));
    }

    void whiteAndBlackKeys_data() {
        QTest::addColumn<QRgb>("key");
        QTest::addColumn<QRgb>("inside");
        QTest::addColumn<QRgb>("outside");
        QTest::newRow("white low edge") << QRgb(0xFFFFFFFF) << qRgb(239, 239, 239) << qRgb(238, 255, 255);
        QTest::newRow("white one channel") << QRgb(0xFFFFFFFF) << qRgb(255, 250, 239) << qRgb(255, 250, 230);
        QTest::newRow("black high edge") << QRgb(0xFF000000) << qRgb(16, 16, 16) << qRgb(17, 0, 0);
        QTest::newRow("black one channel") << QRgb(0xFF000000) << qRgb(0, 0, 16) << qRgb(0, 0, 17);
    }

    void whiteAndBlackKeys() {
        QFETCH(QRgb, key);
        QFETCH(QRgb, inside);
        QFETCH(QRgb, outside);
        QImage img = filled(3, 1, qRgb(128, 128, 128));
        img.setPixel(0, 0, inside);
        img.setPixel(2, 0, outside);
        const auto region = regionFromBitmap(img, key);
        QVERIFY(region.has_value());
        QVERIFY(!region->contains(QPoint(0, 0)));
        QVERIFY(region->contains(QPoint(1, 0)));
        QVERIFY(region->contains(QPoint(2, 0)));
    }

    // Rows of alternating key and non-key pixels 4,000 wide: 2,000 runs a
    // row, so the collector flushes at 3,000 rectangles in the middle of the
    // second row. The result must not depend on where it flushed.
    void flushingGivesTheSameRegion() {
        QImage img = filled(4000, 5, qRgb(80, 90, 100));
        for (int y = 0; y < 4; ++y)
            for (int x = (y % 2); x < 4000; x += 2) img.setPixel(x, y, kGreen);
        for (RegionScan scan : {RegionScan::KeyRuns, RegionScan::OpaqueRuns}) {
            const auto flushed = regionFromBitmap(img, kGreen, scan);
            const auto unflushed = regionFromBitmap(img, kGreen, scan, 1 << 30);
            const auto tiny = regionFromBitmap(img, kGreen, scan, 7);
            QVERIFY(flushed && unflushed && tiny);
            QCOMPARE(*flushed, *unflushed);
            QCOMPARE(*tiny, *unflushed);
            // 8,000 key pixels cut out of 20,000.
            const QImage raster = rasterise(*flushed, img.size());
            int inside = 0;
            for (int y = 0; y < raster.height(); ++y)
                for (int x = 0; x < raster.width(); ++x) inside += (raster.pixel(x, y) & 0xFFFFFF) ? 1 : 0;
            QCOMPARE(inside, 20000 - 8000);
            QVERIFY(!flushed->contains(QPoint(0, 0)));
            QVERIFY(flushed->contains(QPoint(1, 0)));
            QVERIFY(flushed->contains(QPoint(0, 1)));
            QVERIFY(!flushed->contains(QPoint(3999, 1)));
            QVERIFY(flushed->contains(QPoint(2500, 4)));
        }
    }

    void shippedSkinHasAShapedOutline() {
        const QImage skin(QStringLiteral(":/art/skin.png"));
        QCOMPARE(skin.size(), QSize(445, 390));
        const auto region = regionFromBitmap(skin, kGreen);
        QVERIFY(region.has_value());
        QVERIFY(!region->contains(QPoint(0, 0)));     // rounded corner
        QVERIFY(!region->contains(QPoint(444, 5)));   // beside the handle
        QVERIFY(region->contains(QPoint(200, 200)));  // the body
        QVERIFY(region->contains(QPoint(420, 200)));  // the handle
        // No green fringe along the outline: no pixel inside is dominated by green.
        for (const QRect& r : *region)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QRgb c = skin.pixel(x, r.top());
                QVERIFY2(!(qGreen(c) > qRed(c) + 60 && qGreen(c) > qBlue(c) + 60), qPrintable(QString::number(x)));
            }
    }
};

QTEST_MAIN(RegionFromBitmapTest)
#include "region_from_bitmap_test.moc"
