#include "support/EditorHarness.h"

#include <QtTest>

class MouseEditingTest : public QObject {
    Q_OBJECT
private slots:
    void gestures_data();
    void gestures();
    void hover_data();
    void hover();
    void releaseOfANewBoxSelectsItWithEmptyTexts();
    void pressSelectsAndClears();
    void polygonPreview_data();
    void polygonPreview();
    void statusBarShowsThePointer();
    void positionsSaturateAtTheCoordinateRange();
};

namespace {

// A gesture row: the scene, what the user does, the map and tool afterwards, and the
// pointer shape (0: not looked at).
void Row(const char* name, const char* scene, const char* gesture, const char* expected, int pointer = 0)
{
    QTest::newRow(name) << QString(scene) << QString(gesture) << QString(expected) << pointer;
}

} // namespace

void MouseEditingTest::gestures_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("pointer");

    // Corner drags: the dragged corner follows, the opposite one stays; past an opposite
    // side the box waits with the last geometry that applied.
    const char* rect = "box 10,10,100,50; select b1";
    Row("corner 1", rect, "press 10,10; move 30,20", "B1 rect 30,20 80x40* | resize_corner", 8);
    Row("corner 1 past the right side waits", rect, "press 10,10; move 30,20; move 120,20",
        "B1 rect 30,20 80x40* | resize_corner");
    Row("corner 1 back inside", rect, "press 10,10; move 30,20; move 120,20; move 100,20",
        "B1 rect 100,20 10x40* | resize_corner");
    Row("corner 4 onto the left side waits", rect, "press 110,60; move 10,80", "B1 rect 10,10 100x50* | resize_corner");
    Row("corner 2", rect, "press 110,10; move 150,0", "B1 rect 10,0 140x60* | resize_corner", 6);
    Row("corner 3", rect, "press 10,60; move 0,70", "B1 rect 0,10 110x60* | resize_corner", 6);
    Row("release keeps the resize mode", rect, "press 110,60; move 120,70; release",
        "B1 rect 10,10 110x60* | resize_corner", 8);
    const char* circle = "circle 10,10,40,40; select b1";
    Row("circle corner 4 squares to the larger side", circle, "press 50,50; move 60,70",
        "B1 circle 10,10 60x60* | resize_corner");
    Row("circle corner 1 keeps the opposite corner", circle, "press 10,10; move 20,30",
        "B1 circle 20,20 30x30* | resize_corner");
    Row("circle corner 2 squares upwards", circle, "press 50,10; move 70,20",
        "B1 circle 10,-10 60x60* | resize_corner");
    Row("circle corner 3 squares leftwards", circle, "press 10,50; move 0,80",
        "B1 circle -20,10 70x70* | resize_corner");

    // Side drags.
    Row("left side", rect, "press 10,30; move 0,99", "B1 rect 0,10 110x50* | resize_side", 9);
    Row("top side past the bottom waits", rect, "press 60,10; move 60,70", "B1 rect 10,10 100x50* | resize_side", 7);
    Row("bottom side waits left of the box", rect, "press 60,60; move 10,80", "B1 rect 10,10 100x50* | resize_side");
    Row("bottom side", rect, "press 60,60; move 11,80", "B1 rect 10,10 100x70* | resize_side");
    Row("right side", rect, "press 110,30; move 130,0", "B1 rect 10,10 120x50* | resize_side");
    Row("circle right side keeps the centre", circle, "press 50,30; move 60,30", "B1 circle 0,0 60x60* | resize_side");
    Row("circle left side may not cross the centre", circle, "press 10,30; move 30,30",
        "B1 circle 10,10 40x40* | resize_side");
    Row("circle bottom side inwards", circle, "press 30,50; move 30,45", "B1 circle 15,15 30x30* | resize_side");
    Row("non-square circle: a negative size is skipped", "circle 0,0,10,100; select b1", "press 5,0; move 5,40",
        "B1 circle 0,0 10x100* | resize_side");
    Row("non-square circle: a positive one is not", "circle 0,0,100,10; select b1", "press 50,0; move 50,4",
        "B1 circle 4,4 92x2* | resize_side");

    // Vertex drags: vertex 1 and its closing copy move together; nothing limits a vertex.
    const char* triangle = "polygon 10,10 50,10 30,40; select p1";
    Row("vertex 1 and its copy", triangle, "press 10,10; move 5,7", "P1 5,7 50,10 30,40 5,7* | resize_corner", 15);
    Row("vertex 2 onto another vertex and off the picture", triangle, "press 50,10; move 30,40; move -70,-9",
        "P1 10,10 -70,-9 30,40 10,10* | resize_corner");
    Row("open polygon: the last vertex pairs with the first", "open 10,10 50,10 30,40; select p1",
        "press 30,40; move 31,41", "P1 31,41 50,10 31,41* | resize_corner");

    // Moves, one step per event, off the picture and back.
    Row("box move", "box 10,10,40,40", "press 20,20; move 25,18", "B1 rect 15,8 40x40* | move", 15);
    Row("box move, two steps", "box 10,10,40,40", "press 20,20; move 25,18; move 25,30", "B1 rect 15,20 40x40* | move");
    Row("box off the picture", "box 10,10,40,40", "press 20,20; move -30,-40; release",
        "B1 rect -40,-50 40x40* | arrow", 1);
    Row("polygon move", triangle, "press 30,20; move 20,30; release", "P1 0,20 40,20 20,50 0,20* | arrow", 1);
    Row("a press inside a selected box's handles moves it", rect, "press 60,30; move 61,31; release",
        "B1 rect 11,11 100x50* | arrow");

    // Rubber bands in all four directions, and circles grown from their centre.
    Row("rectangle down-right", "", "tool rect; press 50,50; move 80,70", "B1 rect 50,50 30x20 | rect");
    Row("rectangle down-left", "", "tool rect; press 50,50; move 30,80", "B1 rect 30,50 20x30 | rect");
    Row("rectangle up-left", "", "tool rect; press 50,50; move 30,20", "B1 rect 30,20 20x30 | rect");
    Row("rectangle up-right, released", "", "tool rect; press 50,50; move 90,45; release",
        "B1 rect 50,45 40x5* | arrow", 1);
    Row("rectangle back on the press point", "", "tool rect; press 50,50; move 80,70; move 50,50",
        "B1 rect 50,50 0x0 | rect");
    Row("click without moving keeps a box of size 0", "", "tool rect; click 50,50", "B1 rect 50,50 0x0* | arrow");
    Row("circle", "", "tool circle; press 50,50; move 60,53", "B1 circle 40,40 20x20 | circle");
    Row("circle, vertical larger", "", "tool circle; press 50,50; move 47,58", "B1 circle 42,42 16x16 | circle");
    Row("circle past the picture's corner", "", "tool circle; press 5,5; move 20,5; release",
        "B1 circle -10,-10 30x30* | arrow");
    Row("a second box goes in front, the first turns grey", "box 0,0,10,10; select b1",
        "tool rect; press 50,50; move 60,60; release", "B1 rect 0,0 10x10 | B2 rect 50,50 10x10* | arrow");

    // Polygons built by clicks and closed on their first vertex.
    Row("triangle closed", "", "tool poly; click 10,10; click 50,10; click 30,40; click 12,11",
        "P1 10,10 50,10 30,40 10,10* | arrow", 1);
    Row("two vertices: no closing yet", "", "tool poly; click 10,10; click 12,11", "P1 10,10 12,11 building | poly");
    Row("4 pixels off: one more vertex", "", "tool poly; click 10,10; click 50,10; click 30,40; click 14,10",
        "P1 10,10 50,10 30,40 14,10 building | poly");
    Row("another tool leaves it open; the polygon tool goes on", "",
        "tool poly; click 10,10; click 50,10; tool rect; tool poly; click 30,40; click 10,10",
        "P1 10,10 50,10 30,40 10,10* | arrow");
    Row("a box selected while building loses the selection on closing", "",
        "tool poly; click 100,100; click 150,100; tool rect; press 0,0; move 5,5; release; tool poly; click 120,150; "
        "click 100,100",
        "B1 rect 0,0 5x5 | P1 100,100 150,100 120,150 100,100* | arrow");
    Row("the arrow tool's click does nothing", "box 0,0,10,10", "click 50,50", "B1 rect 0,0 10x10 | arrow");
}

void MouseEditingTest::gestures()
{
    QFETCH(QString, scene);
    QFETCH(QString, gesture);
    QFETCH(QString, expected);
    QFETCH(int, pointer);
    EditorHarness harness;
    QVERIFY(harness.Play(scene));
    QVERIFY(harness.Play(gesture));
    QCOMPARE(Describe(harness.editor()), expected);
    if (pointer != 0)
        QCOMPARE(int(harness.view.mousePointer), pointer);
    QCOMPARE(EditorInvariantViolations(harness.editor()), QStringList());
}

void MouseEditingTest::hover_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<int>("corner");
    QTest::addColumn<int>("side");
    const char* rect = "box 10,10,100,50; select b1";
    auto row = [](const char* name, const char* scene, const char* moves, const char* mode, int pointer, int corner,
                   int side) {
        QTest::newRow(name) << QString(scene) << QString(moves) << QString(mode) << pointer << corner << side;
    };
    row("corner 4, on the right side too", rect, "move 110,60", "resize_corner", 8, 4, 2);
    row("left side", rect, "move 12,30", "resize_side", 9, 0, 1);
    row("corner 1 beats sides 1 and 3", rect, "move 12,12", "resize_corner", 8, 1, 1);
    row("corner zone reaches 3 past the corner", rect, "move 7,7", "resize_corner", 8, 1, 0);
    row("4 off is nothing", rect, "move 6,10", "arrow", 1, 0, 0);
    row("bottom side", rect, "move 60,58", "resize_side", 7, 0, 4);
    row("off the handles again", rect, "move 60,58; move 60,30", "arrow", 1, 0, 0);
    row("a side has no reach past its ends", rect, "move 113,62", "resize_corner", 8, 4, 0);
    row("past a side's end", rect, "move 7,64", "arrow", 1, 0, 0);
    row("small box: corner order decides", "box 10,10,4,4; select b1", "move 12,12", "resize_corner", 8, 1, 1);
    row("polygon vertex", "polygon 10,10 50,10 30,40; select p1", "move 52,12", "resize_corner", 15, 2, 0);
    row("two vertices in reach: the lower number", "polygon 10,10 14,10 30,40; select p1", "move 12,10",
        "resize_corner", 15, 1, 0);
    row("nothing selected: nothing changes", "box 10,10,100,50", "move 10,10", "arrow", 1, 0, 0);
    row("held button: the mode stays", rect, "move 110,60; press 110,60; move 60,30", "resize_corner", 8, 4, 2);
    row("drawing tools do not hover", "box 10,10,100,50; select b1; tool rect", "move 10,10", "rect", 2, 0, 0);
}

void MouseEditingTest::hover()
{
    QFETCH(QString, scene);
    QFETCH(QString, moves);
    EditorHarness harness;
    harness.view.mousePointer = MousePointer::Arrow;
    QVERIFY(harness.Play(scene));
    QVERIFY(harness.Play(moves));
    QTEST(ToolModeName(harness.state().toolMode), "mode");
    QTEST(int(harness.view.mousePointer), "pointer");
    QTEST(int(harness.state().hoverCorner), "corner");
    QTEST(int(harness.state().hoverSide), "side");
}

void MouseEditingTest::releaseOfANewBoxSelectsItWithEmptyTexts()
{
    EditorHarness harness;
    // The spare element still holds the texts of a box deleted earlier.
    harness.Build([](Editor& e) {
        e.map.boxes[1].url = "left over";
        e.map.boxes[1].alt = "old alt";
    });
    QVERIFY(harness.Play("tool rect; press 40,25"));
    const BoxArea& box = harness.map().box(1);
    QCOMPARE(harness.state().drawingBox, int16_t(1));
    QCOMPARE(harness.state().pressX, 40.f);
    QCOMPARE(harness.state().pressY, int16_t(25));
    QCOMPARE(harness.state().selBox + harness.state().selPoly, 0);
    QVERIFY(box.BorderColor != SelectedColour);
    QVERIFY(harness.Play("move 60,45; release"));
    QCOMPARE(box.BorderColor, SelectedColour);
    QCOMPARE(box.url, QString());
    QCOMPARE(box.alt, QString());
    QVERIFY(harness.view.panelEnabled);
    QCOMPARE(harness.view.hrefText, QString());
}

void MouseEditingTest::pressSelectsAndClears()
{
    EditorHarness harness;
    harness.Play("box 0,0,50,50; box 20,20,50,50; polygon 0,0 100,0 100,100; select b1");
    harness.Build([](Editor& e) { e.map.box(2).url = "front"; });
    QVERIFY(harness.Play("press 30,30; release"));
    QCOMPARE(harness.state().selBox, int16_t(2)); // the later of two boxes, before the polygon
    QCOMPARE(harness.map().box(1).BorderColor, NormalColour);
    QCOMPARE(harness.view.hrefText, QStringLiteral("front"));
    QVERIFY(harness.Play("press 90,10; release"));
    QCOMPARE(harness.state().selPoly, int16_t(1));
    const int refreshes = harness.view.refreshCount;
    QVERIFY(harness.Play("press 300,300; release")); // empty canvas
    QCOMPARE(harness.state().selBox + harness.state().selPoly, 0);
    QVERIFY(!harness.view.panelEnabled);
    QCOMPARE(harness.view.hrefText, QString());
    QVERIFY(harness.view.refreshCount > refreshes); // the handles go
    QCOMPARE(harness.state().toolMode, ToolMode::Arrow);
    QCOMPARE(harness.map().box(2).url, QStringLiteral("front")); // clearing the panel stored nothing
}

void MouseEditingTest::polygonPreview_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<bool>("marker");
    QTest::newRow("near the first vertex") << "click 10,10; click 50,10; click 30,40" << QPoint(12, 11) << true;
    QTest::newRow("4 off") << "click 10,10; click 50,10; click 30,40" << QPoint(14, 10) << false;
    QTest::newRow("two vertices only") << "click 10,10; click 50,10" << QPoint(10, 10) << false;
}

void MouseEditingTest::polygonPreview()
{
    QFETCH(QString, clicks);
    QFETCH(QPoint, pointer);
    QFETCH(bool, marker);
    EditorHarness harness;
    QVERIFY(harness.Play("tool poly; " + clicks));
    QVERIFY(harness.Play(QStringLiteral("move %1,%2").arg(pointer.x()).arg(pointer.y())));
    QCOMPARE(harness.view.polyShapeVisible, marker);
    if (marker)
        QCOMPARE(QRect(harness.view.polyShape[0], harness.view.polyShape[1], harness.view.polyShape[2],
                     harness.view.polyShape[3]),
            QRect(7, 7, 6, 6));
    // The rubber line from the last vertex to the pointer lies on top of the overlay.
    const PolygonArea& polygon = harness.map().polygon(1);
    const RecordingView::Segment rubber = harness.view.segments.back();
    QCOMPARE(QPointF(rubber.x1, rubber.y1), QPointF(polygon.vertexX.back(), polygon.vertexY.back()));
    QCOMPARE(QPointF(rubber.x2, rubber.y2), QPointF(pointer));
    // A closing click hides the marker.
    if (marker) {
        QVERIFY(harness.Play("press " + QStringLiteral("%1,%2").arg(pointer.x()).arg(pointer.y()) + "; release"));
        QVERIFY(!harness.view.polyShapeVisible);
    }
}

void MouseEditingTest::statusBarShowsThePointer()
{
    EditorHarness harness;
    QVERIFY(harness.Play("move 0,0"));
    QCOMPARE(harness.view.statusText, QStringLiteral("0,0"));
    QVERIFY(harness.Play("box 10,10,20,20; press 15,15; move -3,17"));
    QCOMPARE(harness.view.statusText, QStringLiteral("-3,17"));
    QVERIFY(harness.Play("release"));
    QCOMPARE(harness.view.statusText, QStringLiteral("-3,17")); // kept after the pointer left
}

void MouseEditingTest::positionsSaturateAtTheCoordinateRange()
{
    EditorHarness harness;
    QVERIFY(harness.Play("polygon 10,10 50,10 30,40; box 0,0,10,10"));
    QVERIFY(harness.Play("press 30,20; move 90000,-90000; release")); // the polygon
    QCOMPARE(harness.state().mouseY, int16_t(-32768));
    QVERIFY(harness.Play("press 5,5; move 100000,5; release")); // the box
    // The polygon stops as a whole at the end of the range, keeping its shape; the box was
    // grabbed 5 pixels in, so its left edge stops 5 pixels short of the pointer's limit.
    QCOMPARE(Describe(harness.editor()),
        QStringLiteral("B1 rect 32762,0 10x10* | P1 32727,-32768 32767,-32768 "
                       "32747,-32738 32727,-32768 | arrow"));
    QVERIFY(harness.Play("tool rect; press -32768,-32768; move 32767,32767; release"));
    QCOMPARE(harness.map().box(2).Width, 32767.f);
    QCOMPARE(EditorInvariantViolations(harness.editor()), QStringList());
}

QTEST_GUILESS_MAIN(MouseEditingTest)
#include "tst_mouse_editing.moc"
