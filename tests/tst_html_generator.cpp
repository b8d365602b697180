#include "output/HtmlGenerator.h"
#include "support/DocumentBuilders.h"

#include <QLocale>
#include <QtTest>

class HtmlGeneratorTest : public QObject {
    Q_OBJECT
private slots:
    // Web pages need "." whatever the user's number format; every test runs under a comma locale.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void boxCoordinates_data()
    {
        QTest::addColumn<bool>("circle");
        QTest::addColumn<QRectF>("box");
        QTest::addColumn<QString>("coords");
        // Circles: centre and radius rounded half to even (22.5 -> 22, 23.5 -> 24, 12.5 -> 12).
        QTest::newRow("circle halves down") << true << QRectF(10, 10, 25, 25) << "22,22,12";
        QTest::newRow("circle halves up") << true << QRectF(11, 11, 25, 25) << "24,24,12";
        QTest::newRow("circle radius from width only") << true << QRectF(0, 0, 30, 10) << "15,5,15";
        QTest::newRow("circle -0.5 to 0") << true << QRectF(-1, -1, 1, 1) << "0,0,0";
        // Rectangles: exact single-precision values in their shortest text, never rounded.
        QTest::newRow("rect shortest float text") << false << QRectF(0.1, 0.2, 0.2, 0.1) << "0.1,0.2,0.3,0.3";
        QTest::newRow("rect negative") << false << QRectF(-15, -3.5, 10, 2) << "-15,-3.5,-5,-1.5";
        QTest::newRow("rect single precision sum") << false << QRectF(16777216, 0, 1, 0) << "16777216,0,16777216,0";
        QTest::newRow("rect minus zero") << false << QRectF(-0.0, 0, 0, 0) << "0,0,0,0";
    }

    void boxCoordinates()
    {
        QFETCH(bool, circle);
        QFETCH(QRectF, box);
        QFETCH(QString, coords);
        ImagemapDocument doc;
        AddTestBox(doc, float(box.x()), float(box.y()), float(box.width()), float(box.height()),
            circle ? kCircleShape : kRectangleShape);
        const QString area = "<area href=\"\" alt=\"\" coords=\"" + coords;
        QCOMPARE(GenerateImagemapHtml(doc, "m").split("\r\n").at(1), area + (circle ? "\" shape=\"circle\">" : "\">"));
    }

    // Boxes by index whatever their kind, then polygons, whatever order they were drawn in; a shape
    // kind with no HTML form is left out; the texts exactly as typed.
    void areaOrderAndTexts()
    {
        ImagemapDocument doc;
        QCOMPARE(GenerateImagemapHtml(doc, "m"), QStringLiteral("<map name=\"m\">\r\n</map>"));
        AddTestPolygon(doc, { { 0, 0 }, { 9, 0 }, { 9, 9 } }, true, "x.html?a=1&b=\"2\"", "<b> & </b>");
        AddTestBox(doc, 1, 1, 2, 2, kCircleShape, "https://example.org/straße", "Käse — 北京");
        AddTestBox(doc, 1, 1, 2, 2, 1, "square");
        AddTestPolygon(doc, { { -32768, 32767 }, { 7, 8 } }, false, "  ", " alt "); // still being built
        AddTestBox(doc, 3, 3, 4, 4, kRectangleShape);
        QCOMPARE(GenerateImagemapHtml(doc, " a\"b "),
            QStringLiteral("<map name=\" a\"b \">\r\n"
                           "<area href=\"https://example.org/straße\" alt=\"Käse — 北京\" coords=\"2,2,1\" "
                           "shape=\"circle\">\r\n"
                           "<area href=\"\" alt=\"\" coords=\"3,3,7,7\">\r\n"
                           "<area href=\"x.html?a=1&b=\"2\"\" alt=\"<b> & </b>\" coords=\"0,0,9,0,9,9,0,0\" "
                           "shape=\"poly\">\r\n"
                           "<area href=\"  \" alt=\" alt \" coords=\"-32768,32767,7,8\" shape=\"poly\">\r\n</map>"));
    }
};

QTEST_GUILESS_MAIN(HtmlGeneratorTest)
#include "tst_html_generator.moc"
