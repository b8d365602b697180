#include "editing/HitTest.h"
#include "support/EditorHarness.h"

#include <QtTest>

#include <algorithm>

// Handles, their reach and the closing marker keep their size on screen at every zoom,
// while everything else stays in picture pixels.
class ZoomEditingTest : public QObject {
    Q_OBJECT
private slots:
    void handlesReachThreeScreenPixels_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("mode");
        const char* polygon = "polygon 1000,1000 1600,1000 1300,1500; select p1; ";
        const char* box = "box 1000,1000,2000,1000; select b1; ";
        // At 1/16 three screen pixels are 48 picture pixels.
        QTest::newRow("1/16: vertex 48 right") << QString("zoom 1/16; %1move 1048,952").arg(polygon) << "resize_corner";
        QTest::newRow("1/16: vertex 49 right") << QString("zoom 1/16; %1move 1049,1000").arg(polygon) << "arrow";
        QTest::newRow("1/16: box side 48 out") << QString("zoom 1/16; %1move 952,1500").arg(box) << "resize_side";
        QTest::newRow("1/16: box side 49 out") << QString("zoom 1/16; %1move 951,1500").arg(box) << "arrow";
        // At 16x a picture pixel is wider than the reach: only the handle's own pixel counts.
        QTest::newRow("16x: on the vertex") << QString("zoom 16; %1move 1600,1000").arg(polygon) << "resize_corner";
        QTest::newRow("16x: a pixel off the vertex") << QString("zoom 16; %1move 1601,1000").arg(polygon) << "arrow";
        QTest::newRow("16x: on the side") << QString("zoom 16; %1move 3000,1500").arg(box) << "resize_side";
        QTest::newRow("16x: a pixel inside the side") << QString("zoom 16; %1move 2999,1500").arg(box) << "arrow";
    }

    void handlesReachThreeScreenPixels()
    {
        QFETCH(QString, script);
        EditorHarness h;
        QVERIFY(h.Play(script));
        QTEST(ToolModeName(h.state().toolMode), "mode");
    }

    void closingDistance_data()
    {
        QTest::addColumn<QString>("zoom");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QRectF>("marker"); // null: hidden, and a click adds a vertex
        QTest::newRow("1/16: 48 off") << "1/16" << QPoint(148, 52) << QRectF(52, 52, 96, 96);
        QTest::newRow("1/16: 49 off") << "1/16" << QPoint(100, 149) << QRectF();
        QTest::newRow("16x: on it") << "16" << QPoint(100, 100) << QRectF(99.8125, 99.8125, 0.375, 0.375);
        QTest::newRow("16x: a pixel off") << "16" << QPoint(101, 100) << QRectF();
        QTest::newRow("2/3: 4 off") << "2/3" << QPoint(104, 104) << QRectF(95.5, 95.5, 9, 9);
    }

    void closingDistance()
    {
        QFETCH(QString, zoom);
        QFETCH(QPoint, pointer);
        QFETCH(QRectF, marker);
        EditorHarness h;
        QVERIFY(h.Play("zoom " + zoom + "; tool poly; click 100,100; click 400,100; click 250,400"));
        const QString at = QStringLiteral("%1,%2").arg(pointer.x()).arg(pointer.y());
        QVERIFY(h.Play("move " + at));
        QCOMPARE(h.view.polyShapeVisible, !marker.isNull());
        if (!marker.isNull())
            QCOMPARE(
                QRectF(h.view.polyShape[0], h.view.polyShape[1], h.view.polyShape[2], h.view.polyShape[3]), marker);
        QVERIFY(h.Play("click " + at));
        QCOMPARE(h.state().buildingPoly == 0, !marker.isNull());
        // The fourth vertex is the closing copy of the first, or a new corner at the pointer.
        QCOMPARE(h.map().polygon(1).vertexX[4], marker.isNull() ? int16_t(pointer.x()) : int16_t(100));
    }

    void drawnHandlesAreSevenScreenPixels_data()
    {
        QTest::addColumn<QString>("zoom");
        QTest::addColumn<QString>("selection");
        for (const char* zoom : { "1/16", "2/3", "16" }) {
            QTest::newRow(qPrintable(QString("%1 polygon").arg(zoom))) << zoom << "p1";
            QTest::newRow(qPrintable(QString("%1 box").arg(zoom))) << zoom << "b1";
        }
    }

    void drawnHandlesAreSevenScreenPixels()
    {
        QFETCH(QString, zoom);
        QFETCH(QString, selection);
        EditorHarness h;
        QVERIFY(
            h.Play("zoom " + zoom + "; polygon 1000,1000 1600,1000 1300,1500; box 20,30,400,300; select " + selection));
        h.session.Redraw();
        // The first magenta line is the top of the first handle, centred on a vertex or corner.
        const QPointF centre = selection == "p1" ? QPointF(1000, 1000) : QPointF(20, 30);
        const auto& segments = h.view.segments;
        const auto magenta = std::find_if(segments.begin(), segments.end(),
            [](const RecordingView::Segment& line) { return line.colour == SelectedColour; });
        QVERIFY(magenta != segments.end());
        const RecordingView::Segment top = *magenta;
        const ZoomMapping& mapping = h.view.zoom;
        QCOMPARE(mapping.ScreenCoordinate(top.x2) - mapping.ScreenCoordinate(top.x1), 6.0);
        QCOMPARE(mapping.ScreenCoordinate(centre.x()) - mapping.ScreenCoordinate(top.x1), 3.0);
        QCOMPARE(mapping.ScreenCoordinate(centre.y()) - mapping.ScreenCoordinate(top.y1), 3.0);
    }
};

QTEST_GUILESS_MAIN(ZoomEditingTest)
#include "tst_zoom_editing.moc"
