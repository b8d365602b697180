#include "editing/GenerateCommand.h"
#include "output/HtmlGenerator.h"
#include "support/DocumentBuilders.h"
#include "support/RecordingView.h"

#include <QLocale>
#include <QtTest>

class HtmlGeneratorTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void workedExample();
    void emptyMap();
    void boxCoordinates_data();
    void boxCoordinates();
    void polygonCoordinates();
    void textsAreWrittenAsTyped_data();
    void textsAreWrittenAsTyped();
    void areaOrder();
    void generateCommandAppendsAndShows();
};

namespace {

QString Lines(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

// The coords attribute of the only area line of a one-area map.
QString OnlyCoords(const ImagemapDocument& doc)
{
    const QString html = GenerateImagemapHtml(doc, QStringLiteral("m"));
    const QString key = QStringLiteral("coords=\"");
    const int start = html.indexOf(key) + key.size();
    return html.mid(start, html.indexOf(QLatin1Char('"'), start) - start);
}

} // namespace

void HtmlGeneratorTest::initTestCase()
{
    // Web pages need "." whatever the user's number format; every test runs under a comma locale.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void HtmlGeneratorTest::workedExample()
{
    ImagemapDocument doc;
    AddTestBox(doc, 10, 20, 100, 50, kRectangleShape, "a.html", "A");
    AddTestBox(doc, 160, 110, 80, 80, kCircleShape, "b.html", "B");
    AddTestPolygon(doc, { { 5, 5 }, { 60, 5 }, { 30, 50 } }, true, "c.html", "C");
    QCOMPARE(GenerateImagemapHtml(doc, "m"),
        Lines({ "<map name=\"m\">", "<area href=\"a.html\" alt=\"A\" coords=\"10,20,110,70\">",
            "<area href=\"b.html\" alt=\"B\" coords=\"200,150,40\" shape=\"circle\">",
            "<area href=\"c.html\" alt=\"C\" coords=\"5,5,60,5,30,50,5,5\" shape=\"poly\">", "</map>" }));
}

void HtmlGeneratorTest::emptyMap()
{
    ImagemapDocument doc;
    QCOMPARE(GenerateImagemapHtml(doc, "m"), QStringLiteral("<map name=\"m\">\r\n</map>"));
}

void HtmlGeneratorTest::boxCoordinates_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QRectF>("box");
    QTest::addColumn<QString>("coords");
    const int circle = kCircleShape, rect = kRectangleShape;
    // Circles: centre and radius rounded half to even (22.5 -> 22, 23.5 -> 24, 12.5 -> 12).
    QTest::newRow("circle halves down") << circle << QRectF(10, 10, 25, 25) << "22,22,12";
    QTest::newRow("circle halves up") << circle << QRectF(11, 11, 25, 25) << "24,24,12";
    QTest::newRow("circle radius from width only") << circle << QRectF(0, 0, 30, 10) << "15,5,15";
    QTest::newRow("circle negative centre") << circle << QRectF(-10, -10, 5, 5) << "-8,-8,2";
    QTest::newRow("circle -0.5 to 0") << circle << QRectF(-1, -1, 1, 1) << "0,0,0";
    // Rectangles: exact single-precision values in their shortest text, never rounded.
    QTest::newRow("rect whole") << rect << QRectF(10, 20, 100, 50) << "10,20,110,70";
    QTest::newRow("rect half canvas") << rect << QRectF(320.5, 240.5, 20, 10) << "320.5,240.5,340.5,250.5";
    QTest::newRow("rect shortest float text") << rect << QRectF(0.1, 0.2, 0.2, 0.1) << "0.1,0.2,0.3,0.3";
    QTest::newRow("rect negative") << rect << QRectF(-15, -3.5, 10, 2) << "-15,-3.5,-5,-1.5";
    QTest::newRow("rect single precision sum") << rect << QRectF(16777216, 0, 1, 0) << "16777216,0,16777216,0";
    QTest::newRow("rect minus zero") << rect << QRectF(-0.0, 0, 0, 0) << "0,0,0,0";
}

void HtmlGeneratorTest::boxCoordinates()
{
    QFETCH(int, shape);
    QFETCH(QRectF, box);
    QFETCH(QString, coords);
    ImagemapDocument doc;
    AddTestBox(doc, float(box.x()), float(box.y()), float(box.width()), float(box.height()), int16_t(shape));
    QCOMPARE(OnlyCoords(doc), coords);
    // A rectangle is HTML's default shape and gets no shape attribute.
    QCOMPARE(GenerateImagemapHtml(doc, "m").contains("shape="), shape == kCircleShape);
}

void HtmlGeneratorTest::polygonCoordinates()
{
    ImagemapDocument doc;
    AddTestPolygon(doc, { { 10, 10 }, { 50, 10 }, { 30, 40 } }, true); // finished: the first point again
    QCOMPARE(OnlyCoords(doc), QStringLiteral("10,10,50,10,30,40,10,10"));
    ImagemapDocument open;
    AddTestPolygon(open, { { -32768, 32767 }, { 7, 8 } }, false); // still being built: as placed so far
    QCOMPARE(OnlyCoords(open), QStringLiteral("-32768,32767,7,8"));
}

void HtmlGeneratorTest::textsAreWrittenAsTyped_data()
{
    QTest::addColumn<QString>("mapName");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("alt");
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("quotes and markup") << "a\"b"
                                       << "x.html?a=1&b=\"2\""
                                       << "<b> & </b>";
    QTest::newRow("non-ASCII") << "Karte"
                               << "https://example.org/straße"
                               << "Käse — 北京";
    QTest::newRow("spaces kept") << " m "
                                 << "  "
                                 << " alt ";
}

void HtmlGeneratorTest::textsAreWrittenAsTyped()
{
    QFETCH(QString, mapName);
    QFETCH(QString, url);
    QFETCH(QString, alt);
    ImagemapDocument doc;
    AddTestPolygon(doc, { { 1, 2 } }, false, url, alt);
    QCOMPARE(GenerateImagemapHtml(doc, mapName),
        Lines({ "<map name=\"" + mapName + "\">",
            "<area href=\"" + url + "\" alt=\"" + alt + "\" coords=\"1,2\" shape=\"poly\">", "</map>" }));
}

void HtmlGeneratorTest::areaOrder()
{
    // Boxes by index whatever their kind, then polygons, whatever order they were drawn in;
    // a shape kind with no HTML form is left out.
    ImagemapDocument doc;
    AddTestPolygon(doc, { { 0, 0 }, { 9, 0 }, { 9, 9 } }, true, "p1");
    AddTestBox(doc, 1, 1, 2, 2, kCircleShape, "b1");
    AddTestBox(doc, 1, 1, 2, 2, 1, "square");
    AddTestPolygon(doc, { { 5, 5 } }, false, "p2");
    AddTestBox(doc, 3, 3, 4, 4, kRectangleShape, "b2");
    QStringList order;
    for (const QString& line : GenerateImagemapHtml(doc, "m").split("\r\n"))
        if (line.startsWith("<area"))
            order << line.section('"', 1, 1);
    QCOMPARE(order, QStringList({ "b1", "b2", "p1", "p2" }));
}

void HtmlGeneratorTest::generateCommandAppendsAndShows()
{
    Editor doc;
    AddTestBox(doc.map, 10, 20, 100, 50);
    SelectTestBox(doc, 1);
    doc.state.toolMode = ToolMode::Rect;
    const Editor before = doc;

    RecordingView view;
    view.mapName = "first";
    view.mousePointer = MousePointer::Cross;
    generateButton_Click(doc, view);
    view.mapName = "second";
    generateButton_Click(doc, view);

    QCOMPARE(doc.state.toolMode, ToolMode::Arrow);
    QCOMPARE(view.mousePointer, MousePointer::Arrow);
    QCOMPARE(view.refreshCount, 0);
    QCOMPARE(view.outputShows, 2);
    // The second map follows the first one's "</map>" on the same line.
    QVERIFY(view.output.contains("</map><map name=\"second\">\r\n"));
    QVERIFY(view.output.endsWith("</map>"));
    doc.state.toolMode = before.state.toolMode;
    QVERIFY(doc == before); // nothing but the tool changed
}

QTEST_GUILESS_MAIN(HtmlGeneratorTest)
#include "tst_html_generator.moc"
