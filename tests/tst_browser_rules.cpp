#include "html/BrowserArea.h"
#include "html/BrowserNumbers.h"

#include <QtTest>

// Every expected answer here is what Chromium 156 did (tools/browser/hits.mjs records it).
namespace {

using Shape = BrowserArea::Shape;

using Points = QList<QPoint>;

// Points written as "x,y x,y".
Points points(const char* text)
{
    Points result;
    for (const QString& pair : QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts))
        result.append(QPoint(pair.section(u',', 0, 0).toInt(), pair.section(u',', 1).toInt()));
    return result;
}

// An area written as "shape|coords", where "-" stands for an attribute not written.
BrowserArea areaFrom(const QString& text)
{
    const auto attribute = [&](int part) {
        const QString value = text.section(u'|', part, part);
        return value == QLatin1String("-") ? std::nullopt : std::optional<QString>(value);
    };
    return readBrowserArea(attribute(0), attribute(1));
}

QList<double> listOf(const std::vector<double>& numbers)
{
    return QList<double>(numbers.begin(), numbers.end());
}

} // namespace

class TestBrowserRules : public QObject {
    Q_OBJECT

private slots:
    void numbers_data()
    {
        QTest::addColumn<QString>("coords");
        QTest::addColumn<QList<double>>("numbers");
        QTest::newRow("separator runs, empty entries") << " ,;2;;2 ,\t8\n\f,,8\r, " << QList<double> { 2, 2, 8, 8 };
        QTest::newRow("junk around numbers")
            << "x10,+2,e5,18px,2%,32.5.9,28e,28-5" << QList<double> { 10, 2, 5, 18, 2, 32.5, 28, 28 };
        QTest::newRow("exponents and points")
            << "1e1,1.2e1,1.6E1,.5e2,5.5e+1,1800e-2,58." << QList<double> { 10, 12, 16, 50, 55, 18, 58 };
        QTest::newRow("no number reads 0") << "abc,--5,-.,0x28,Infinity,1e999,-0" << QList<double>(7, 0.0);
        QTest::newRow("junk alone is an entry") << "38 junk 99" << QList<double> { 38, 0, 99 };
        QTest::newRow("only ASCII separators") << u"42\u00a02,48\u000b,8"_qs << QList<double> { 42, 48, 8 };
    }

    void numbers()
    {
        QFETCH(QString, coords);
        QFETCH(QList<double>, numbers);
        QCOMPARE(listOf(parseBrowserNumbers(coords)), numbers);
    }

    void shapes_data()
    {
        QTest::addColumn<QString>("area");
        QTest::addColumn<Shape>("expected");
        QTest::addColumn<QList<double>>("numbers");
        const QList<double> box { 1, 1, 6, 6 };
        QTest::newRow("no shape is a rectangle") << "-|1,1,6,6" << Shape::Rectangle << box;
        QTest::newRow("unknown keywords, even untrimmed ones") << " circle|1,1,6,6,7" << Shape::Rectangle << box;
        QTest::newRow("circ in any case") << "CIRC|8,20,5,9" << Shape::Circle << QList<double> { 8, 20, 5 };
        QTest::newRow("poly drops an odd number")
            << "Poly|1,1,9,1,5,9,99" << Shape::Polygon << QList<double> { 1, 1, 9, 1, 5, 9 };
        QTest::newRow("rectangle of three numbers") << "rect|5,5,20" << Shape::Nothing << QList<double> {};
        QTest::newRow("radius 0") << "circle|35,60,0" << Shape::Nothing << QList<double> {};
        QTest::newRow("polygon of two corners") << "poly|40,10,60,10,50" << Shape::Nothing << QList<double> {};
    }

    void shapes()
    {
        QFETCH(QString, area);
        QFETCH(Shape, expected);
        QFETCH(QList<double>, numbers);
        const BrowserArea read = areaFrom(area);
        QCOMPARE(read.shape, expected);
        QCOMPARE(listOf(read.numbers), numbers);
    }

    void hits_data()
    {
        QTest::addColumn<QString>("area");
        QTest::addColumn<Points>("inside");
        QTest::addColumn<Points>("outside");
        // Rectangles are closed boxes; one of no width holds only its two ends.
        QTest::newRow("rectangle edges") << "rect|5,5,20,15" << points("5,5 20,5 5,15 20,15 12,10")
                                         << points("4,5 21,10 5,16 12,4");
        QTest::newRow("reversed corners") << "rect|20,35,5,20" << points("5,20 20,35") << points("4,20 21,35");
        QTest::newRow("no width") << "rect|25,5,25,15" << points("25,5 25,15") << points("25,10 24,5 26,15");
        QTest::newRow("no size") << "rect|44,10,44,10" << points("") << points("44,10");
        // Coordinates are cut towards zero to 1/64 pixel: 2.01 is 2, 9.99 is 9.984375.
        QTest::newRow("layout steps") << "rect|24.99,2.01,30.01,9.99" << points("25,2 30,9") << points("24,5 25,10");
        // Circles are closed discs, and a point within 1/4096 pixel outside the rim belongs.
        QTest::newRow("rim") << "circle|12,12,10" << points("12,2 22,12 18,20 2,12 5,5") << points("23,12 19,20 4,5");
        QTest::newRow("a hair outside") << "circle|69.01,16.55,9.34" << points("60,19 78,19") << points("59,19");
        QTest::newRow("further outside") << "circle|22.3,4.1,16.3" << points("7,4") << points("6,4");
        QTest::newRow("radius under a step") << "circle|20,30,0.0156" << points("") << points("20,30");
        // Polygons are filled even-odd; a point the outline passes an odd number of times belongs.
        QTest::newRow("star") << "poly|40,2,63,72,3,28,77,28,17,72" << points("40,2 40,10 3,28 63,72")
                              << points("40,40 40,50");
        QTest::newRow("concave notch") << "poly|5,30,35,30,35,55,25,55,25,40,15,40,15,55,5,55"
                                       << points("20,40 25,50 15,55") << points("20,41 20,55");
        QTest::newRow("collinear corners") << "poly|5,5,20,5,30,5" << points("5,5 30,5") << points("20,5 12,5");
        QTest::newRow("outline twice round")
            << "poly|5,5,25,5,25,30,5,30,5,5,25,5,25,30,5,30" << points("") << points("15,15 5,5 25,17");
        QTest::newRow("huge corner") << "poly|20,3,1e39,-1e39,30,20" << points("25,10 30,20") << points("19,3");
    }

    void hits()
    {
        QFETCH(QString, area);
        QFETCH(Points, inside);
        QFETCH(Points, outside);
        const BrowserArea read = areaFrom(area);
        for (const bool in : { true, false }) {
            for (const QPoint point : in ? inside : outside)
                QVERIFY2(browserAreaContains(read, point.x(), point.y()) == in,
                    qPrintable(QString("%1,%2").arg(point.x()).arg(point.y())));
        }
    }

    void picking_data()
    {
        QTest::addColumn<QStringList>("areas");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("expected");
        const auto row = [](const char* name, const char* areas, QPoint point, int expected) {
            QTest::newRow(name) << QString(areas).split(' ') << point << expected;
        };
        row("first in map order", "rect|5,5,25,25 circle|25,25,10", { 25, 25 }, 0);
        // The first default area takes only what no other area takes, wherever it stands.
        row("default first, inside the rectangle", "default|- rect|5,5,20,20", { 5, 5 }, 1);
        row("default first, elsewhere", "default|- rect|5,5,20,20", { 21, 5 }, 0);
        // A second default area covers the picture in its place in the order.
        row("second default hides what follows", "default|- rect|5,5,20,20 default|- rect|25,5,40,20", { 30, 10 }, 2);
        row("second default under earlier areas", "default|- rect|5,5,20,20 default|- rect|25,5,40,20", { 10, 10 }, 1);
        row("an empty area hides nothing", "rect|5,5,5,5 rect|0,0,9,9", { 5, 5 }, 1);
    }
    void picking()
    {
        QFETCH(QStringList, areas);
        QFETCH(QPoint, point);
        QFETCH(int, expected);
        std::vector<BrowserArea> map;
        for (const QString& area : areas)
            map.push_back(areaFrom(area));
        QCOMPARE(browserAreaAt(map, point.x(), point.y()), expected);
    }
};

QTEST_GUILESS_MAIN(TestBrowserRules)
#include "tst_browser_rules.moc"
