#include "output/GenerateCommand.h"
#include "output/HtmlGenerator.h"
#include "support/DocumentBuilders.h"
#include "support/RecordingView.h"

#include <QLocale>
#include <QtTest>

class HtmlGeneratorTest : public QObject {
    Q_OBJECT
private slots:
    void workedExample();
    void emptyMap();
    void circleCoordinates_data();
    void circleCoordinates();
    void rectangleCoordinates_data();
    void rectangleCoordinates();
    void textsAreWrittenAsTyped_data();
    void textsAreWrittenAsTyped();
    void boxesComeBeforePolygonsInIndexOrder();
    void unknownShapeKindIsSkipped();
    void polygonsWriteEveryStoredVertex_data();
    void polygonsWriteEveryStoredVertex();
    void decimalPointInEveryLocale();
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
    QCOMPARE(GenerateImagemapHtml(doc, QString()), QStringLiteral("<map name=\"\">\r\n</map>"));
}

void HtmlGeneratorTest::circleCoordinates_data()
{
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<QString>("coords");
    // Exact halves go to the even neighbour: 22.5 -> 22, 23.5 -> 24, 12.5 -> 12.
    QTest::newRow("halves down") << 10.f << 10.f << 25.f << 25.f << "22,22,12";
    QTest::newRow("halves up") << 11.f << 11.f << 25.f << 25.f << "24,24,12";
    QTest::newRow("whole") << 160.f << 110.f << 80.f << 80.f << "200,150,40";
    QTest::newRow("radius from width only") << 0.f << 0.f << 30.f << 10.f << "15,5,15";
    QTest::newRow("negative centre") << -10.f << -10.f << 5.f << 5.f << "-8,-8,2";
    QTest::newRow("negative half to zero") << -1.f << -1.f << 1.f << 1.f << "0,0,0";
    QTest::newRow("fraction") << 0.25f << 0.f << 3.5f << 3.f << "2,2,2";
    QTest::newRow("zero size") << 7.f << 9.f << 0.f << 0.f << "7,9,0";
}

void HtmlGeneratorTest::circleCoordinates()
{
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(QString, coords);
    ImagemapDocument doc;
    AddTestBox(doc, left, top, width, height, kCircleShape);
    QCOMPARE(OnlyCoords(doc), coords);
    QVERIFY(GenerateImagemapHtml(doc, "m").contains("\" shape=\"circle\">\r\n"));
}

void HtmlGeneratorTest::rectangleCoordinates_data()
{
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<QString>("coords");
    QTest::newRow("whole") << 10.f << 20.f << 100.f << 50.f << "10,20,110,70";
    QTest::newRow("half canvas") << 320.5f << 240.5f << 20.f << 10.f << "320.5,240.5,340.5,250.5";
    QTest::newRow("shortest float text") << 0.1f << 0.2f << 0.2f << 0.1f << "0.1,0.2,0.3,0.3";
    QTest::newRow("negative") << -15.f << -3.5f << 10.f << 2.f << "-15,-3.5,-5,-1.5";
    QTest::newRow("zero size") << 40.f << 25.f << 0.f << 0.f << "40,25,40,25";
    QTest::newRow("sum in single precision") << 16777216.f << 0.f << 1.f << 0.f << "16777216,0,16777216,0";
    QTest::newRow("minus zero") << -0.f << 0.f << 0.f << 0.f << "0,0,0,0";
}

void HtmlGeneratorTest::rectangleCoordinates()
{
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(QString, coords);
    ImagemapDocument doc;
    AddTestBox(doc, left, top, width, height, kRectangleShape);
    QCOMPARE(OnlyCoords(doc), coords);
    QVERIFY(!GenerateImagemapHtml(doc, "m").contains("shape="));
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

void HtmlGeneratorTest::boxesComeBeforePolygonsInIndexOrder()
{
    ImagemapDocument doc;
    AddTestPolygon(doc, { { 0, 0 }, { 9, 0 }, { 9, 9 } }, true, "p1");
    AddTestBox(doc, 1, 1, 2, 2, kCircleShape, "b1");
    AddTestPolygon(doc, { { 5, 5 } }, false, "p2");
    AddTestBox(doc, 3, 3, 4, 4, kRectangleShape, "b2");
    const QString html = GenerateImagemapHtml(doc, "m");
    QStringList order;
    for (const QString& line : html.split("\r\n"))
        if (line.startsWith("<area"))
            order << line.section('"', 1, 1);
    QCOMPARE(order, QStringList({ "b1", "b2", "p1", "p2" }));
}

void HtmlGeneratorTest::unknownShapeKindIsSkipped()
{
    ImagemapDocument doc;
    AddTestBox(doc, 1, 1, 2, 2, kRectangleShape, "first");
    AddTestBox(doc, 1, 1, 2, 2, 1, "square"); // a shape kind with no HTML form
    AddTestBox(doc, 1, 1, 2, 2, kCircleShape, "last");
    const QString html = GenerateImagemapHtml(doc, "m");
    QVERIFY(!html.contains("square"));
    QCOMPARE(html.count("<area"), 2);
    QVERIFY(html.contains("href=\"last\""));
}

void HtmlGeneratorTest::polygonsWriteEveryStoredVertex_data()
{
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("coords");
    QTest::newRow("finished triangle repeats its first point") << true << "10,10,50,10,30,40,10,10";
    QTest::newRow("unfinished polygon as placed so far") << false << "10,10,50,10,30,40";
}

void HtmlGeneratorTest::polygonsWriteEveryStoredVertex()
{
    QFETCH(bool, closed);
    QFETCH(QString, coords);
    ImagemapDocument doc;
    AddTestPolygon(doc, { { 10, 10 }, { 50, 10 }, { 30, 40 } }, closed);
    QCOMPARE(OnlyCoords(doc), coords);

    ImagemapDocument extremes;
    AddTestPolygon(extremes, { { -32768, 32767 }, { 7, 8 } }, false);
    QCOMPARE(OnlyCoords(extremes), QStringLiteral("-32768,32767,7,8"));
}

void HtmlGeneratorTest::decimalPointInEveryLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ImagemapDocument doc;
    AddTestBox(doc, 1.5f, 2.25f, 10000.f, 1.f);
    const QString coords = OnlyCoords(doc);
    QLocale::setDefault(previous);
    QCOMPARE(coords, QStringLiteral("1.5,2.25,10001.5,3.25"));
}

void HtmlGeneratorTest::generateCommandAppendsAndShows()
{
    ImagemapDocument doc;
    AddTestBox(doc, 10, 20, 100, 50);
    SelectTestBox(doc, 1);
    doc.toolMode = ToolMode::Rect;
    doc.buildingPoly = 0;
    const ImagemapDocument before = doc;

    RecordingView view;
    view.mapName = "first";
    view.mousePointer = MousePointer::Cross;
    generateButton_Click(doc, view);
    view.mapName = "second";
    generateButton_Click(doc, view);

    QCOMPARE(doc.toolMode, ToolMode::Arrow);
    QCOMPARE(view.mousePointer, MousePointer::Arrow);
    QCOMPARE(view.refreshCount, 0);
    QCOMPARE(view.outputShows, 2);
    // The second map follows the first one's "</map>" on the same line.
    QVERIFY(view.output.contains("</map><map name=\"second\">\r\n"));
    QVERIFY(view.output.endsWith("</map>"));
    doc.toolMode = before.toolMode;
    QCOMPARE(doc, before); // nothing but the tool changed
}

QTEST_GUILESS_MAIN(HtmlGeneratorTest)
#include "tst_html_generator.moc"
