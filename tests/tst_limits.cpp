#include "mainwindow/MainForm.h"
#include "outputwindow/GenerateDialog.h"
#include "support/EditorHarness.h"
#include "support/LargestMap.h"
#include "support/PictureWait.h"

#include <QClipboard>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

// The ends of what a map can hold: full lists, full polygons, and texts of any size and kind.
class LimitsTest : public QObject {
    Q_OBJECT
private slots:
    void fullListsRefuseMore_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("says");
        const int box = int(AreaKind::Box), polygon = int(AreaKind::Polygon);
        const char* boxes = "32766 rectangles and circles";
        QTest::newRow("drawing a rectangle") << "tool rect; press 10,10; move 20,20; release" << box << boxes;
        QTest::newRow("drawing a circle") << "tool circle; press 10,10; move 20,20; release" << box << boxes;
        QTest::newRow("pasting a box") << "press 1,1; release; key ctrl+C; key ctrl+V" << box << boxes;
        QTest::newRow("duplicating a box") << "press 1,1; release; key ctrl+D" << box << boxes;
        QTest::newRow("starting a polygon") << "tool poly; click 10,10; click 20,20" << polygon << "32766 polygons";
        QTest::newRow("duplicating a polygon") << "select p1; key ctrl+D" << polygon << "32766 polygons";
    }

    void fullListsRefuseMore()
    {
        QFETCH(QString, gesture);
        QFETCH(int, kind);
        QFETCH(QString, says);
        static const ImagemapDocument full = LargestMap();
        EditorHarness h;
        h.Build([](Editor& e) { e.map = full; });
        QVERIFY(h.Play(gesture));
        QCOMPARE(h.map().boxCount, kMaxAreasPerKind);
        QCOMPARE(h.map().polyCount, kMaxAreasPerKind);
        QVERIFY(h.view.notices.contains(AreaLimitMessage(AreaKind(kind))));
        QVERIFY(AreaLimitMessage(AreaKind(kind)).contains(says));
        QCOMPARE(EditorInvariantViolations(h.editor()), QStringList());
        QVERIFY(h.Play("tool rect; key Delete")); // the next area after one goes is fine again
    }

    void aFullPolygonTakesNoMorePoints()
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

    // The texts go into the HTML unescaped and unchanged, and from there to the clipboard.
    void anyTextReachesTheClipboardExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("quotes and ampersands") << QStringLiteral("a\"b&c<d>'e");
        QTest::newRow("emoji") << QStringLiteral("🗺️ 👩🏽‍💻");
        QTest::newRow("right-to-left") << QStringLiteral("שלום عربي");
        QTest::newRow("combining marks") << QStringLiteral("e\u0301 a\u0308\u0323");
        QTest::newRow("a megabyte") << QString(1 << 20, QLatin1Char('m'));
        QTest::newRow("NUL and line breaks") << QStringLiteral("a") + QChar(0) + QStringLiteral("b\r\nc");
    }

    void anyTextReachesTheClipboardExactly()
    {
        QFETCH(QString, text);
        QTemporaryDir folder;
        QImage picture(100, 100, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QVERIFY(picture.save(folder.filePath("p.png")));
        MainForm form;
        QVERIFY(OpenPictureAndWait(form, folder.filePath("p.png")));
        form.Session().Apply([&text](Editor& e) {
            AddTestPolygon(e.map, { { 1, 2 }, { 3, 4 } }, false, text, text + "2");
        });
        form.Controls().MapNameText->setText(text);
        form.generateButton_Click();
        form.Output().Dialog()->CopyButton_Click();
        QCOMPARE(QGuiApplication::clipboard()->text(),
            "<map name=\"" + text + "\">\r\n<area href=\"" + text + "\" alt=\"" + text + "2"
                + "\" coords=\"1,2,3,4\" shape=\"poly\">\r\n</map>");
    }
};

QTEST_MAIN(LimitsTest)
#include "tst_limits.moc"
