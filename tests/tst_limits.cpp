#include "mainwindow/MainForm.h"
#include "outputwindow/GenerateDialog.h"
#include "support/EditorHarness.h"
#include "support/LargestMap.h"
#include "support/PictureWait.h"

#include <QClipboard>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

// The ends of what a map can hold: full lists, full polygons, the ends of the coordinate
// range, and texts of any size and kind.
class LimitsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fullListsRefuseMore_data();
    void fullListsRefuseMore();
    void aFullPolygonTakesNoMorePoints();
    void nudgesStopAtTheEndOfTheRange_data();
    void nudgesStopAtTheEndOfTheRange();
    void anyTextReachesTheClipboardExactly_data();
    void anyTextReachesTheClipboardExactly();

private:
    ImagemapDocument m_full;
};

void LimitsTest::initTestCase()
{
    m_full = LargestMap();
}

void LimitsTest::fullListsRefuseMore_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<int>("kind");
    QTest::newRow("drawing a rectangle") << "tool rect; press 10,10; move 20,20; release" << int(AreaKind::Box);
    QTest::newRow("drawing a circle") << "tool circle; press 10,10; move 20,20; release" << int(AreaKind::Box);
    QTest::newRow("pasting a box") << "press 1,1; release; key ctrl+C; key ctrl+V" << int(AreaKind::Box);
    QTest::newRow("duplicating a box") << "press 1,1; release; key ctrl+D" << int(AreaKind::Box);
    QTest::newRow("starting a polygon") << "tool poly; click 10,10; click 20,20" << int(AreaKind::Polygon);
    QTest::newRow("duplicating a polygon") << "select p1; key ctrl+D" << int(AreaKind::Polygon);
}

void LimitsTest::fullListsRefuseMore()
{
    QFETCH(QString, gesture);
    QFETCH(int, kind);
    EditorHarness h;
    h.Build([this](Editor& e) { e.map = m_full; });
    QVERIFY(h.Play(gesture));
    QCOMPARE(h.map().boxCount, kMaxAreasPerKind);
    QCOMPARE(h.map().polyCount, kMaxAreasPerKind);
    QVERIFY(h.view.notices.contains(AreaLimitMessage(AreaKind(kind))));
    QCOMPARE(EditorInvariantViolations(h.editor()), QStringList());
    QVERIFY(h.Play("tool rect; key Delete")); // the next area after one goes is fine again
}

void LimitsTest::aFullPolygonTakesNoMorePoints()
{
    EditorHarness h;
    QVERIFY(h.Play("tool poly; click 10,10"));
    h.Build([](Editor& e) {
        PolygonArea& polygon = e.map.polygon(1);
        polygon.vertexCount = kMaxPolygonVertices;
        ResizeVertexArrays(polygon, polygon.vertexCount);
        for (size_t k = 2; k < polygon.vertexX.size(); ++k)
            polygon.vertexX[k] = polygon.vertexY[k] = static_cast<int16_t>(k % 1000 + 100);
    });
    QVERIFY(h.Play("click 500,500; click 10,10")); // neither a new point nor the closing copy fits
    QCOMPARE(h.map().polygon(1).vertexCount, kMaxPolygonVertices);
    QCOMPARE(h.state().buildingPoly, int16_t(1));
    QVERIFY(h.view.notices.contains(VertexLimitMessage()));
    QCOMPARE(EditorInvariantViolations(h.editor()), QStringList());
}

void LimitsTest::nudgesStopAtTheEndOfTheRange_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::newRow("box at the right end") << "box 32767,0,10,10; select b1"
                                          << "key Right"
                                          << "B1 rect 32767,0 10x10* | arrow";
    QTest::newRow("box at the top") << "box 0,-32768,10,10; select b1"
                                    << "key Up"
                                    << "B1 rect 0,-32768 10x10* | arrow";
    QTest::newRow("polygon at the left end keeps its shape") << "polygon -32768,0 -32760,0 -32764,5; select p1"
                                                             << "key Left"
                                                             << "P1 -32768,0 -32760,0 -32764,5 -32768,0* | arrow";
}

void LimitsTest::nudgesStopAtTheEndOfTheRange()
{
    QFETCH(QString, scene);
    QFETCH(QString, keys);
    EditorHarness h;
    QVERIFY(h.Play(scene));
    QVERIFY(h.Play(keys));
    QTEST(Describe(h.editor()), "expected");
}

void LimitsTest::anyTextReachesTheClipboardExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("a megabyte") << QString(1 << 20, QLatin1Char('m'));
    QTest::newRow("emoji, right-to-left, combining marks")
        << QStringLiteral("🗺️👩🏽‍💻 שלום عربي e\u0301a\u0308\u0323");
    QTest::newRow("NUL") << QStringLiteral("a") + QChar(0) + QStringLiteral("b");
}

void LimitsTest::anyTextReachesTheClipboardExactly()
{
    QFETCH(QString, text);
    QTemporaryDir folder;
    QImage picture(100, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QVERIFY(picture.save(folder.filePath("p.png")));
    MainForm form;
    QVERIFY(OpenPictureAndWait(form, folder.filePath("p.png")));
    form.Session().Apply([&text](Editor& e) { AddTestPolygon(e.map, { { 1, 2 }, { 3, 4 } }, false, text, text); });
    form.Controls().MapNameText->setText(text);
    form.generateButton_Click();
    form.Output().Dialog()->CopyButton_Click();
    QCOMPARE(QGuiApplication::clipboard()->text(),
        "<map name=\"" + text + "\">\r\n<area href=\"" + text + "\" alt=\"" + text
            + "\" coords=\"1,2,3,4\" shape=\"poly\">\r\n</map>");
}

QTEST_MAIN(LimitsTest)
#include "tst_limits.moc"
