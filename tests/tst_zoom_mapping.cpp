#include "display/AreaAverage.h"
#include "display/ZoomLevels.h"
#include "display/ZoomMapping.h"
#include "layout/ZoomScrolling.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

Q_DECLARE_METATYPE(ZoomMapping)

using Pixels = QList<uint32_t>;

namespace {

void AddEveryLevel()
{
    QTest::addColumn<ZoomMapping>("zoom");
    for (const ZoomMapping& level : ZoomLevels())
        QTest::newRow(qPrintable(level.PercentText())) << level;
}

// Whole pixels from far left of the picture to far beyond a 16-bit one at 16x.
QList<int64_t> SamplePixels()
{
    QList<int64_t> pixels;
    for (int64_t p = -70000; p <= 600000; p += 997)
        pixels << p;
    for (int64_t p = -50; p <= 50; ++p)
        pixels << p;
    return pixels << 32767 << -32768 << 524287;
}

} // namespace

class ZoomMappingTest : public QObject {
    Q_OBJECT
private slots:
    void wholePixelsGoBothWaysWithoutDrift_data() { AddEveryLevel(); }
    void wholePixelsGoBothWaysWithoutDrift()
    {
        QFETCH(ZoomMapping, zoom);
        for (const int64_t p : SamplePixels()) {
            // Above 100 % every picture pixel has screen pixels of its own; below, every
            // screen pixel shows a picture pixel of its own.
            if (zoom.Factor() >= 1)
                QCOMPARE(zoom.PicturePixel(zoom.ScreenPixel(p)), p);
            if (zoom.Factor() <= 1)
                QCOMPARE(zoom.ScreenPixel(zoom.PicturePixel(p)), p);
            // A vertex on pixel p is drawn inside the screen pixel that shows p's centre.
            QCOMPARE(int64_t(std::floor(zoom.ScreenCoordinate(double(p)) + 0.5)), zoom.ScreenPixel(p));
            QVERIFY(std::abs(zoom.PictureCoordinate(zoom.ScreenCoordinate(double(p))) - double(p)) < 1e-6);
        }
    }

    void fit_data()
    {
        QTest::addColumn<QSize>("room");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<ZoomMapping>("fit");
        QTest::newRow("large photo") << QSize(1280, 800) << QSize(6000, 4000) << ZoomMapping(1, 6);
        QTest::newRow("tiny icon stops at 16x") << QSize(463, 310) << QSize(16, 16) << ZoomMapping(16, 1);
        QTest::newRow("too large for any level") << QSize(463, 310) << QSize(12000, 9000) << ZoomMapping(1, 16);
    }
    void fit()
    {
        QFETCH(QSize, room);
        QFETCH(QSize, picture);
        QTEST(FitZoom(room, picture), "fit");
    }

    // Every level to every other, around several points: above 100 % the picture pixel
    // under the anchor is the one that was there; below, the anchor's screen pixel covers it.
    void zoomKeepsThePointUnderTheAnchor()
    {
        const auto& levels = ZoomLevels();
        for (const ZoomMapping& before : levels) {
            for (const ZoomMapping& after : levels) {
                for (const auto& [offset, anchor] : { std::pair(0, 0), std::pair(-1234, 300), std::pair(-77777, 5) }) {
                    const int64_t kept = before.PicturePixel(anchor - offset);
                    const int moved = OffsetKeepingPoint(before, after, offset, anchor);
                    const int64_t now = after.PicturePixel(int64_t { anchor } - moved);
                    const QString at = before.PercentText() + " -> " + after.PercentText();
                    if (after.Factor() >= 1)
                        QVERIFY2(now == kept, qPrintable(at));
                    else
                        QVERIFY2(std::abs(double(now - kept)) < 1 / after.Factor(), qPrintable(at));
                }
            }
        }
    }

    void averageDown_data()
    {
        QTest::addColumn<Pixels>("source");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("targetSize");
        QTest::addColumn<Pixels>("expected"); // empty: refused
        QTest::newRow("halves: 2x2 blocks") << Pixels { 0xff000000, 0xff0000ff, 0xff102030, 0xff102030, //
            0xff0000ff, 0xff000000, 0xff203040, 0xff203050 }
                                            << QSize(4, 2) << QSize(2, 1) << Pixels { 0xff000080, 0xff18283c };
        // Two thirds: a target pixel covers one source pixel whole and half of the next.
        QTest::newRow("two thirds") << Pixels { 0xff00ff00, 0xff0000ff, 0xffff0000 } << QSize(3, 1) << QSize(2, 1)
                                    << Pixels { 0xff00aa55, 0xffaa0055 };
        QTest::newRow("alpha stays premultiplied")
            << Pixels { 0x80404040, 0x00000000 } << QSize(2, 1) << QSize(1, 1) << Pixels { 0x40202020 };
        QTest::newRow("larger target refused") << Pixels { 0xff000000 } << QSize(1, 1) << QSize(2, 1) << Pixels {};
    }
    void averageDown()
    {
        QFETCH(Pixels, source);
        QFETCH(QSize, size);
        QFETCH(QSize, targetSize);
        QFETCH(Pixels, expected);
        Pixels target(targetSize.width() * targetSize.height());
        const std::atomic<bool> stop { false };
        const bool made = AverageDown(source.constData(), size.width(), size.height(), size.width(), target.data(),
            targetSize.width(), targetSize.height(), targetSize.width(), stop);
        QCOMPARE(made, !expected.isEmpty());
        if (made)
            QCOMPARE(target, expected);
    }

    // Every level's copy of a plain picture of an awkward size is the same plain colour, to
    // its last row and column; and a stop gives up.
    void averageDownCoversTheWholeTarget()
    {
        const Pixels source(101 * 37, 0xff336699);
        for (const ZoomMapping& level : ZoomLevels()) {
            if (level.Factor() >= 1)
                continue;
            const QSize size = level.ScreenSize(QSize(101, 37));
            Pixels target(size.width() * size.height(), 0);
            const std::atomic<bool> go { false };
            QVERIFY(AverageDown(
                source.constData(), 101, 37, 101, target.data(), size.width(), size.height(), size.width(), go));
            QCOMPARE(target, Pixels(target.size(), 0xff336699));
        }
        Pixels target(4, 0);
        const std::atomic<bool> stop { true };
        QVERIFY(!AverageDown(source.constData(), 101, 37, 101, target.data(), 2, 2, 2, stop));
    }
};

QTEST_GUILESS_MAIN(ZoomMappingTest)
#include "tst_zoom_mapping.moc"
