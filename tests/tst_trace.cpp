#include "html/BrowserArea.h"
#include "map/ImageMap.h"
#include "trace/RegionTracer.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

namespace {

const QColor kShape(200, 40, 40);
const QColor kBackground(250, 250, 240);

// A picture of the background with the shape on it.
QImage drawn(QSize size, const QRegion& shape)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(kBackground);
    QPainter painter(&picture);
    painter.setClipRegion(shape);
    painter.fillRect(picture.rect(), kShape);
    return picture;
}

// Column x coloured (x, 255 - x, 128): red and green change by one a column.
QImage gradient(int height)
{
    QImage picture(256, height, QImage::Format_RGB32);
    for (int x = 0; x < 256; ++x)
        QPainter(&picture).fillRect(x, 0, 1, height, QColor(x, 255 - x, 128));
    return picture;
}

double distanceToPolygon(QPointF point, const std::vector<Vertex>& polygon)
{
    double nearest = INFINITY;
    for (size_t i = 1; i < polygon.size(); ++i) {
        const QPointF a(polygon[i - 1].x, polygon[i - 1].y);
        const QPointF edge = QPointF(polygon[i].x, polygon[i].y) - a;
        const double squared = QPointF::dotProduct(edge, edge);
        const double along = squared > 0 ? std::clamp(QPointF::dotProduct(point - a, edge) / squared, 0.0, 1.0) : 0;
        const QPointF off = point - a - along * edge;
        nearest = std::min(nearest, std::hypot(off.x(), off.y()));
    }
    return nearest;
}

// The region a click should give on a picture of few colours: the pixels of the clicked
// colour reachable in steps left, right, up and down, and every hole in them; that is, all
// but what the outside reaches past them.
QImage regionWithHoles(const QImage& picture, QPoint click)
{
    enum Mark : uchar { Unknown, Region, Outside };
    QImage marks(picture.size() + QSize(2, 2), QImage::Format_Indexed8); // framed by a pixel outside
    marks.setColorCount(3);
    marks.fill(Unknown);
    const auto flood = [&](QPoint start, Mark mark, bool regionOnly) {
        std::vector<QPoint> pending { start };
        while (!pending.empty()) {
            const QPoint p = pending.back();
            pending.pop_back();
            const bool passable = !regionOnly || (picture.valid(p) && picture.pixel(p) == picture.pixel(click));
            if (marks.valid(p + QPoint(1, 1)) && marks.pixelIndex(p + QPoint(1, 1)) == Unknown && passable) {
                marks.setPixel(p + QPoint(1, 1), mark);
                pending.insert(
                    pending.end(), { p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1) });
            }
        }
    };
    flood(click, Region, true);
    flood({ -1, -1 }, Outside, false);
    return marks.copy(1, 1, picture.width(), picture.height());
}

} // namespace

class TestTrace : public QObject {
    Q_OBJECT

private slots:
    // A browser hits the polygon where it hits the region and its holes, give or take the
    // deviation at the rim, with few corners.
    void shapes_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QPoint>("click");
        QTest::addColumn<int>("maxCorners");
        const auto row = [](const char* name, QSize size, const QRegion& shape, QPoint click, int maxCorners) {
            QTest::newRow(name) << drawn(size, shape) << click << maxCorners;
        };
        const auto disc = [](int x, int y, int r) { return QRegion(x - r, y - r, 2 * r, 2 * r, QRegion::Ellipse); };
        const QSize size(100, 100);
        QRegion stairs;
        for (int i = 0; i < 30; ++i)
            stairs += QRect(10 + i, 10 + i, 2, 1);
        QPolygon star; // five points, 45 and 18 pixels from the middle
        for (int i = 0; i < 10; ++i)
            star << QTransform().rotate(36 * i).map(QPoint(0, i % 2 == 0 ? -45 : -18)) + QPoint(50, 50);
        row("disc", size, disc(50, 50, 40), { 50, 50 }, 13);
        row("square turned 30 degrees", size, QTransform().translate(50, 50).rotate(30).map(QRegion(-30, -30, 60, 60)),
            { 50, 50 }, 4);
        row("star", size, QRegion(star), { 50, 50 }, 10);
        row("a corner of the picture", size, disc(0, 99, 60), { 0, 99 }, 7);
        row("ring: the hole is covered", size, disc(50, 50, 40) - disc(50, 50, 20), { 50, 12 }, 13);
        row("single pixel", size, QRect(30, 40, 1, 1), { 30, 40 }, 4);
        row("line one pixel thin", size, QRect(10, 40, 60, 1), { 30, 40 }, 6);
        row("picture one pixel wide", QSize(1, 50), QRect(0, 0, 1, 50), { 0, 9 }, 6);
        row("thin diagonal stairs", size, stairs, { 20, 20 }, 4);
        row("two discs and a thin neck", size, disc(25, 50, 20) + disc(75, 50, 20) + QRect(40, 50, 20, 1), { 50, 50 },
            20);
        // Random specks: thin necks, diagonal contacts, holes within holes.
        QRandomGenerator random(3);
        for (int i = 0; i < 30; ++i) {
            QImage specks(24, 24, QImage::Format_RGB32);
            for (int p = 0; p < 24 * 24; ++p)
                specks.setPixel(p % 24, p / 24, random.bounded(100) < 30 + 2 * i ? kShape.rgb() : kBackground.rgb());
            QTest::newRow(qPrintable(QString("specks %1").arg(i))) << specks << QPoint(12, 12) << 200;
        }
    }
    void shapes()
    {
        QFETCH(QImage, picture);
        QFETCH(QPoint, click);
        QFETCH(int, maxCorners);
        const QImage filled = regionWithHoles(picture, click);
        RegionTracer tracer;
        tracer.setPicture(picture);
        const double deviation = tracer.settings().maxDeviation;
        const std::vector<Vertex> polygon = tracer.polygonAt(click);
        QVERIFY(polygon.size() >= 4 && polygon.front() == polygon.back());
        QVERIFY2(int(polygon.size()) - 1 <= maxCorners, qPrintable(QString::number(polygon.size() - 1)));
        const auto inRegion = [&](int x, int y) { return filled.valid(x, y) && filled.pixelIndex(x, y) != 2; };
        std::vector<QPoint> outline;
        for (int y = 0; y < filled.height(); ++y)
            for (int x = 0; x < filled.width(); ++x)
                if (inRegion(x, y)
                    && !(inRegion(x - 1, y) && inRegion(x + 1, y) && inRegion(x, y - 1) && inRegion(x, y + 1)))
                    outline.push_back(QPoint(x, y));
        BrowserArea area { BrowserArea::Shape::Polygon, {} };
        for (Vertex v : polygon)
            area.numbers.insert(area.numbers.end(), { double(v.x), double(v.y) });
        // What a browser misses of the region lies within the deviation of the polygon; what it
        // hits beyond the region, within the deviation of the region's outline.
        for (int y = -3; y < filled.height() + 3; ++y) {
            for (int x = -3; x < filled.width() + 3; ++x) {
                const bool hit = browserAreaContains(area, x, y);
                const QString where = QString("%1,%2").arg(x).arg(y);
                if (inRegion(x, y) && !hit)
                    QVERIFY2(distanceToPolygon(QPoint(x, y), polygon) <= deviation, qPrintable("missed " + where));
                const auto near = [&](QPoint p) { return std::hypot(p.x() - x, p.y() - y) <= deviation; };
                if (!inRegion(x, y) && hit)
                    QVERIFY2(std::any_of(outline.begin(), outline.end(), near), qPrintable("beyond at " + where));
            }
        }
    }

    // Similar: each channel of the premultiplied colour, alpha included, within the
    // tolerance of the clicked pixel's.
    void colours_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QPoint>("click");
        QTest::addColumn<int>("tolerance");
        QTest::addColumn<QRect>("bounds");
        QTest::newRow("gradient, tolerance 10") << gradient(20) << QPoint(100, 5) << 10 << QRect(90, 0, 21, 20);
        QTest::newRow("gradient, tolerance 1") << gradient(20) << QPoint(100, 5) << 1 << QRect(99, 0, 3, 20);
        QRegion line;
        for (int x = 0; x < 40; ++x)
            line += QRect(x, 39 - x, 1, 1);
        QTest::newRow("a diagonal line stops the fill")
            << drawn(QSize(40, 40), line) << QPoint(5, 5) << 32 << QRect(0, 0, 39, 39);
        QImage seeThrough(60, 20, QImage::Format_ARGB32_Premultiplied);
        seeThrough.fill(Qt::transparent);
        QPainter(&seeThrough).fillRect(30, 0, 30, 20, Qt::black);
        QTest::newRow("clear beside black: alpha counts") << seeThrough << QPoint(10, 10) << 200 << QRect(0, 0, 30, 20);
    }
    void colours()
    {
        QFETCH(QImage, picture);
        QFETCH(QPoint, click);
        QFETCH(int, tolerance);
        QFETCH(QRect, bounds);
        RegionTracer tracer;
        tracer.setPicture(picture);
        tracer.setSettings({ tolerance, 0.5 });
        QPolygon polygon;
        for (Vertex v : tracer.polygonAt(click))
            polygon << QPoint(v.x, v.y);
        QCOMPARE(polygon.boundingRect(), bounds);
    }

    // The pointer keeps a region while it stays in it, so a click makes what the hover showed,
    // even across a gradient; a new tolerance traces again; settings stay within their range.
    void keepsTheRegionUnderThePointer()
    {
        RegionTracer tracer;
        tracer.setPicture(gradient(10));
        tracer.setSettings({ 10, 1.5 });
        const std::vector<Vertex> first = tracer.polygonAt({ 100, 5 });
        QCOMPARE(tracer.polygonAt({ 108, 2 }), first);
        tracer.polygonAt({ 200, 5 });
        QCOMPARE(tracer.polygonAt({ 95, 5 }), first);
        tracer.setSettings({ 20, 1.5 });
        QCOMPARE(tracer.polygonAt({ 100, 5 }).front(), (Vertex { 80, 0 }));
        QVERIFY(tracer.polygonAt({ -1, 5 }).empty() && tracer.polygonAt({ 256, 0 }).empty());
        tracer.setSettings({ 300, NAN }); // a wheel stepping past the ends
        QVERIFY(tracer.settings() == (TraceSettings { 255, 0 }));
    }

    // An outline needing more corners than a polygon may store gets a larger deviation, no
    // larger than it must be: here a comb whose teeth of 1 to 10 pixels need about 2 corners
    // each at 1.5.
    void cornersStayWithinTheLimit()
    {
        QImage comb = drawn(QSize(17000, 21), QRect(0, 10, 17000, 1));
        for (int x = 0; x < 17000; x += 2)
            QPainter(&comb).fillRect(x, 9 - x / 2 % 10, 1, 3 + 2 * (x / 2 % 10), kShape);
        RegionTracer tracer;
        tracer.setPicture(comb);
        const std::vector<Vertex> polygon = tracer.polygonAt({ 0, 10 });
        QVERIFY(polygon.size() > 25000 && polygon.size() <= size_t(kMaxPolygonVertices));
    }
};

QTEST_MAIN(TestTrace)
#include "tst_trace.moc"
