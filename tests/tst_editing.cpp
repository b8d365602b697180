#include "editor/EditorInvariants.h"
#include "editor/HitTest.h"
#include "support/EditorScript.h"

#include <QtTest>

namespace {

// A script row: the scene, what the user does, the map and mode afterwards, the pointer
// shape (0: not looked at) and the panel as "href|alt", " off" when disabled (null: not looked at).
void Row(const char* name, const char* scene, const char* actions, const char* expected, int pointer = 0,
    const char* panel = nullptr)
{
    QTest::newRow(name) << QString(scene) + "; " + actions << QString(expected) << pointer << QString(panel);
}

void MouseRows()
{
    // Corner drags: the dragged corner follows, the opposite one stays; past an opposite
    // side the box waits with the last geometry that applied.
    const char* rect = "box 10,10,100,50; select b1";
    Row("corner 1", rect, "press 10,10; move 30,20", "B1 rect 30,20 80x40* | resize_corner", 8);
    Row("corner 1 back inside", rect, "press 10,10; move 30,20; move 120,20; move 100,20",
        "B1 rect 100,20 10x40* | resize_corner");
    Row("corner 4 onto the left side waits", rect, "press 110,60; move 10,80", "B1 rect 10,10 100x50* | resize_corner");
    Row("corner 2", rect, "press 110,10; move 150,0", "B1 rect 10,0 140x60* | resize_corner", 6);
    Row("release keeps the resize mode", rect, "press 110,60; move 120,70; release",
        "B1 rect 10,10 110x60* | resize_corner", 8);
    const char* circle = "circle 10,10,40,40; select b1";
    Row("circle corner 4: square", circle, "press 50,50; move 60,70", "B1 circle 10,10 60x60* | resize_corner");
    Row("circle corner 1", circle, "press 10,10; move 20,30", "B1 circle 20,20 30x30* | resize_corner");
    Row("circle corner 2", circle, "press 50,10; move 70,20", "B1 circle 10,-10 60x60* | resize_corner");

    Row("left side", rect, "press 10,30; move 0,99", "B1 rect 0,10 110x50* | resize_side", 9);
    Row("top side past the bottom waits", rect, "press 60,10; move 60,70", "B1 rect 10,10 100x50* | resize_side", 7);
    Row("bottom side waits left", rect, "press 60,60; move 10,80", "B1 rect 10,10 100x50* | resize_side");
    Row("bottom side", rect, "press 60,60; move 11,80", "B1 rect 10,10 100x70* | resize_side");
    Row("right side", rect, "press 110,30; move 130,0", "B1 rect 10,10 120x50* | resize_side");
    Row("circle right side", circle, "press 50,30; move 60,30", "B1 circle 0,0 60x60* | resize_side");
    Row("circle left side stops at the centre", circle, "press 10,30; move 30,30",
        "B1 circle 10,10 40x40* | resize_side");
    Row("circle bottom side", circle, "press 30,50; move 30,45", "B1 circle 15,15 30x30* | resize_side");
    Row("negative size skipped", "circle 0,0,10,100; select b1", "press 5,0; move 5,40",
        "B1 circle 0,0 10x100* | resize_side");
    Row("positive size kept", "circle 0,0,100,10; select b1", "press 50,0; move 50,4",
        "B1 circle 4,4 92x2* | resize_side");

    // Vertex 1 and its closing copy move together; nothing limits a vertex.
    const char* triangle = "polygon 10,10 50,10 30,40; select p1";
    Row("vertex 1 and its copy", triangle, "press 10,10; move 5,7", "P1 5,7 50,10 30,40 5,7* | resize_corner", 15);
    Row("vertex 2 off the picture", triangle, "press 50,10; move 30,40; move -70,-9",
        "P1 10,10 -70,-9 30,40 10,10* | resize_corner");
    Row("open polygon: its last corner moves alone", "open 10,10 50,10 30,40; select p1", "press 30,40; move 31,41",
        "P1 10,10 50,10 31,41* | resize_corner");

    // Moves, one step per event, off the picture and back, stopped as a whole at the 16-bit ends.
    Row("box move, two steps", "box 10,10,40,40", "press 20,20; move 25,18; move 25,30", "B1 rect 15,20 40x40* | move",
        15);
    Row("box off the picture", "box 10,10,40,40", "press 20,20; move -30,-40; release",
        "B1 rect -40,-50 40x40* | arrow", 1);
    Row("polygon move", triangle, "press 30,20; move 20,30; release", "P1 0,20 40,20 20,50 0,20* | arrow", 1);
    Row("press inside the handles moves", rect, "press 60,30; move 61,31; release", "B1 rect 11,11 100x50* | arrow");
    Row("box stops at the range end", "box 0,0,10,10", "press 5,5; move 100000,5; release",
        "B1 rect 32767,0 10x10* | arrow");
    Row("polygon stops at the range end", "polygon 10,10 50,10 30,40", "press 30,20; move 90000,-90000; release",
        "P1 32727,-32768 32767,-32768 32747,-32738 32727,-32768* | arrow");

    // Rubber bands in all four directions, and circles grown from their centre.
    Row("rectangle down-right", "", "tool rect; press 50,50; move 80,70", "B1 rect 50,50 30x20 | rect");
    Row("rectangle down-left", "", "tool rect; press 50,50; move 30,80", "B1 rect 30,50 20x30 | rect");
    Row("rectangle up-left", "", "tool rect; press 50,50; move 30,20", "B1 rect 30,20 20x30 | rect");
    Row("rectangle up-right, released", "", "tool rect; press 50,50; move 90,45; release",
        "B1 rect 50,45 40x5* | arrow", 1, "|");
    Row("rectangle over the whole range", "", "tool rect; press -32768,-32768; move 32767,32767; release",
        "B1 rect -32768,-32768 65535x65535* | arrow");
    Row("click: a box of size 0", "", "tool rect; click 50,50", "B1 rect 50,50 0x0* | arrow");
    Row("new box: no old texts", "box 0,0,5,5; select b1; href old; alt old; key Delete",
        "tool rect; press 40,25; move 60,45; release", "B1 rect 40,25 20x20* | arrow", 0, "|");
    Row("circle", "", "tool circle; press 50,50; move 60,53", "B1 circle 40,40 20x20 | circle");
    Row("circle, vertical larger", "", "tool circle; press 50,50; move 47,58", "B1 circle 42,42 16x16 | circle");
    Row("circle past the corner", "", "tool circle; press 5,5; move 20,5; release", "B1 circle -10,-10 30x30* | arrow");
    Row("second box in front", "box 0,0,10,10; select b1", "tool rect; press 50,50; move 60,60; release",
        "B1 rect 0,0 10x10 | B2 rect 50,50 10x10* | arrow");

    // Polygons built by clicks and closed on their first vertex.
    Row("triangle closed", "", "tool poly; click 10,10; click 50,10; click 30,40; click 12,11",
        "P1 10,10 50,10 30,40 10,10* | arrow", 1);
    Row("two vertices: no closing yet", "", "tool poly; click 10,10; click 12,11", "P1 10,10 12,11 building | poly");
    Row("4 pixels off: one more vertex", "", "tool poly; click 10,10; click 50,10; click 30,40; click 14,10",
        "P1 10,10 50,10 30,40 14,10 building | poly");
    Row("another tool leaves it open", "",
        "tool poly; click 10,10; click 50,10; tool rect; tool poly; click 30,40; click 10,10",
        "P1 10,10 50,10 30,40 10,10* | arrow");
    Row("closing takes the selection", "tool poly; click 100,100; click 150,100",
        "tool rect; press 0,0; move 5,5; release; tool poly; click 120,150; click 100,100",
        "B1 rect 0,0 5x5 | P1 100,100 150,100 120,150 100,100* | arrow");
    Row("the arrow tool's click does nothing", "box 0,0,10,10", "click 50,50", "B1 rect 0,0 10x10 | arrow");

    // The polygon being built is found by its index when others go or come.
    const char* building = "polygon 0,0 20,0 10,20; tool poly; click 50,50; click 70,50; move 51,51";
    Row("one before it deleted", building, "select p1; key Delete; click 90,90",
        "P1 50,50 70,50 90,90 building | poly");
    Row("one appended behind it", building, "select p1; key ctrl+D; click 90,90",
        "P1 0,0 20,0 10,20 0,0 | P2 50,50 70,50 90,90 building | P3 10,10 30,10 20,30 10,10* | poly");
    Row("deleted itself", building, "select p2; key Delete; click 90,90",
        "P1 0,0 20,0 10,20 0,0 | P2 90,90 building | poly");

    // The panel shows the selection and stores into it, and only into it.
    Row("the panel stores into the selection", "box 10,10,5,5; box 20,10,5,5; polygon 30,50 35,50 30,55",
        "href nowhere; press 21,11; release; href b2; alt B; alt; press 31,51; release; alt P; press 21,11; release",
        "B1 rect 10,10 5x5 | B2 rect 20,10 5x5* [b2|] | P1 30,50 35,50 30,55 30,50 [|P] | arrow", 0, "b2|");
    const char* two = "box 0,0,50,50; box 20,20,50,50; select b2; href front; select b1";
    Row("press selects the later box", two, "press 30,30; release",
        "B1 rect 0,0 50x50 | B2 rect 20,20 50x50* [front|] | arrow", 0, "front|");
    Row("press on empty canvas clears", two, "press 300,300; release",
        "B1 rect 0,0 50x50 | B2 rect 20,20 50x50 [front|] | arrow", 1, "| off");
}

void KeyRows()
{
    const char* box = "box 10,10,20,20; polygon 100,100 120,100 110,120; press 15,15; release";
    const char* polygon = "box 10,10,20,20; polygon 100,100 120,100 110,120; press 110,105; release";
    Row("Delete a box", box, "key Delete", "P1 100,100 120,100 110,120 100,100 | arrow", 0, "| off");
    Row("Backspace a polygon", polygon, "key Backspace", "B1 rect 10,10 20x20 | arrow");
    Row("Shift and Alt change nothing", box, "key shift+alt+Delete", "P1 100,100 120,100 110,120 100,100 | arrow");
    Row("C without Ctrl arms the circle tool, copies nothing", box, "key C; key V",
        "B1 rect 10,10 20x20* | P1 100,100 120,100 110,120 100,100 | circle", 2);
    Row("R, Shift+P, T: the last one armed", box, "key R; key shift+P; key T",
        "B1 rect 10,10 20x20* | P1 100,100 120,100 110,120 100,100 | trace", 2);
    Row("Ctrl+R arms nothing", box, "key ctrl+R", "B1 rect 10,10 20x20* | P1 100,100 120,100 110,120 100,100 | arrow");
    Row("Escape disarms", box, "key R; key Escape", "B1 rect 10,10 20x20* | P1 100,100 120,100 110,120 100,100 | arrow",
        1);
    // Escape ends the polygon being built as it is: the polygon tool then starts another.
    Row("Escape while building", "", "tool poly; click 10,10; click 50,10; click 30,40; key Escape; key P; click 90,90",
        "P1 10,10 50,10 30,40 | P2 90,90 building | poly");
    Row("copy, delete, paste: back 10 right and down", box, "key ctrl+C; key Delete; key ctrl+V",
        "B1 rect 20,20 20x20* | P1 100,100 120,100 110,120 100,100 | arrow");
    Row("cut and paste a polygon", polygon, "key ctrl+X; key ctrl+V",
        "B1 rect 10,10 20x20 | P1 110,110 130,110 120,130 110,110* | arrow");
    Row("paste polygon, box selected", polygon, "key ctrl+C; press 15,15; release; key ctrl+shift+V",
        "B1 rect 10,10 20x20 | P1 100,100 120,100 110,120 100,100 | P2 110,110 130,110 120,130 110,110* | arrow");
    Row("pastes land together", "box 10,10,20,20; select b1; href a; alt A",
        "key ctrl+C; key Delete; key ctrl+V; key ctrl+V",
        "B1 rect 20,20 20x20 [a|A] | B2 rect 20,20 20x20* [a|A] | arrow", 0, "a|A");
    Row("paste leaves the selection's texts", "box 1,1,5,5; select b1; href B; key ctrl+C",
        "polygon 10,10 50,10 30,40; select p1; href P; key ctrl+V",
        "B1 rect 1,1 5x5 [B|] | B2 rect 11,11 5x5* [B|] | P1 10,10 50,10 30,40 10,10 [P|] | arrow", 0, "B|");
    Row("nudge a box", box, "key Left; key Left; key Up; key Right; key Down; key Down",
        "B1 rect 9,11 20x20* | P1 100,100 120,100 110,120 100,100 | arrow");
    Row("nudge a closed polygon", polygon, "key Left; key Down",
        "B1 rect 10,10 20x20 | P1 99,101 119,101 109,121 99,101* | arrow");
    Row("nudge past the picture's edge", "box 0,0,5,5; press 1,1; release", "key Left; key Up; key Up",
        "B1 rect -1,-2 5x5* | arrow");
    Row("nudge at the right end", "box 32767,0,10,10; select b1", "key Right", "B1 rect 32767,0 10x10* | arrow");
    Row("nudge at the top end", "box 0,-32768,10,10; select b1", "key Up", "B1 rect 0,-32768 10x10* | arrow");
    Row("nudge polygon at the left end", "polygon -32768,0 -32760,0 -32764,5; select p1", "key Left",
        "P1 -32768,0 -32760,0 -32764,5 -32768,0* | arrow");
    Row("focus in the map name", box, "focus map; key Delete; key ctrl+D; key Left",
        "B1 rect 10,10 20x20* | P1 100,100 120,100 110,120 100,100 | arrow");
    Row("focus in the URL box", box, "focus href; key Backspace",
        "B1 rect 10,10 20x20* | P1 100,100 120,100 110,120 100,100 | arrow");
    Row("focus in the alt box", polygon, "focus alt; key ctrl+X",
        "B1 rect 10,10 20x20 | P1 100,100 120,100 110,120 100,100* | arrow");
    Row("clipboard outlives its areas", box, "key ctrl+C; key Delete; press 110,105; release; key Delete; key ctrl+V",
        "B1 rect 20,20 20x20* | arrow");
}

void CornerRows()
{
    // A double-click on an edge of the selected polygon puts a corner there, armed for dragging.
    const char* triangle = "polygon 10,10 50,10 30,40; select p1";
    Row("first edge", triangle, "dclick 30,11", "P1 10,10 30,11 50,10 30,40 10,10* | resize_corner", 15);
    Row("closing edge", triangle, "dclick 20,25", "P1 10,10 50,10 30,40 20,25 10,10* | resize_corner");
    Row("3 outside the edge", triangle, "dclick 30,7", "P1 10,10 30,7 50,10 30,40 10,10* | resize_corner");
    Row("4 outside: nothing selected", triangle, "dclick 30,6", "P1 10,10 50,10 30,40 10,10 | arrow");
    Row("open polygon: the edge drawn back", "open 10,10 50,10 30,40; select p1", "dclick 20,25",
        "P1 10,10 50,10 30,40 20,25* | resize_corner");
    Row("being built: no edge back", "tool poly; click 10,10; click 50,10; click 30,40; tool arrow; select p1",
        "dclick 22,25", "P1 10,10 50,10 30,40* building | arrow");
    Row("on a handle: a click", triangle, "dclick 50,11", "P1 10,10 50,10 30,40 10,10* | resize_corner");
    Row("the nearest of two edges", "polygon 10,10 60,10 60,14 10,14; select p1", "dclick 30,13",
        "P1 10,10 60,10 60,14 30,13 10,14 10,10* | resize_corner");
    Row("held, it drags the corner", triangle, "click 30,11; dpress 30,11; move 30,0; release",
        "P1 10,10 30,0 50,10 30,40 10,10* | resize_corner");
    Row("then dragged", triangle, "dclick 30,11; press 30,11; move 28,2; release",
        "P1 10,10 28,2 50,10 30,40 10,10* | resize_corner");
    Row("a box: a click", "box 10,10,40,40; select b1", "dclick 30,30", "B1 rect 10,10 40x40* | arrow");
    // The whole double-click is one step, and the first click's jitter is taken back.
    Row("added, undone", triangle, "dclick 30,11; key ctrl+Z", "P1 10,10 50,10 30,40 10,10* | arrow");
    Row("jitter", triangle, "press 30,11; move 31,12; release; dpress 31,12; release",
        "P1 10,10 31,12 50,10 30,40 10,10* | resize_corner");
    Row("jitter, undone", triangle, "press 30,11; move 31,12; release; dpress 31,12; release; key ctrl+Z",
        "P1 10,10 50,10 30,40 10,10* | arrow");

    // Ctrl+click on a corner's handle takes the corner away; three stay.
    const char* square = "polygon 10,10 50,10 50,50 10,50; select p1";
    Row("ctrl+click a corner", square, "ctrlclick 51,9", "P1 10,10 50,50 10,50 10,10* | arrow", 1);
    Row("the first corner and its copy", square, "ctrlclick 10,10", "P1 50,10 50,50 10,50 50,10* | arrow");
    Row("removed, undone: back under the pointer", square, "ctrlclick 50,10; key ctrl+Z",
        "P1 10,10 50,10 50,50 10,50 10,10* | resize_corner");
    Row("not below three", triangle, "ctrlclick 50,10", "P1 10,10 50,10 30,40 10,10* | resize_corner");
    Row("ctrl elsewhere: a press", triangle, "ctrlpress 30,20; move 35,20; release",
        "P1 15,10 55,10 35,40 15,10* | arrow");
}

void TraceRows()
{
    // The trace tool outlines the region under a click: one step, selected, the arrow again.
    const char* picture = "picture 20,20,40,30; polygon 0,0 9,0 0,9; tool trace";
    Row("within 1.5 pixels", picture, "move 30,30; click 30,30",
        "P1 0,0 9,0 0,9 0,0 | P2 20,20 59,21 58,49 20,48 20,20* | arrow", 1, "|");
    Row("exact at deviation 0", picture, "wheel 0,-3; click 30,30",
        "P1 0,0 9,0 0,9 0,0 | P2 20,20 59,20 59,49 20,49 20,20* | arrow");
    Row("the hole in the light is covered", picture, "wheel 0,-3; click 5,400",
        "P1 0,0 9,0 0,9 0,0 | P2 0,0 639,0 639,479 0,479 0,0* | arrow");
    Row("undone", picture, "click 30,30; key ctrl+Z", "P1 0,0 9,0 0,9 0,0 | arrow");
}

void DuplicateRows()
{
    Row("box: 10 right and down", "box 100,100,50,30; box 0,0,5,5; select b1; href b", "key ctrl+D",
        "B1 rect 100,100 50x30 [b|] | B2 rect 0,0 5x5 | B3 rect 110,110 50x30* [b|] | arrow", 0, "b|");
    Row("box near the right edge: to the centre", "box 620,10,10,10; select b1", "key ctrl+D",
        "B1 rect 620,10 10x10 | B2 rect 320,240 10x10* | arrow");
    Row("box near the bottom: centre, halves", "canvas 0,0,641,481; circle 10,461,10,10; select b1", "key ctrl+D",
        "B1 circle 10,461 10x10 | B2 circle 320.5,240.5 10x10* | arrow");
    Row("scrolled canvas", "canvas -600,0,700,480; box 100,100,10,10; select b1", "key ctrl+D",
        "B1 rect 100,100 10x10 | B2 rect 350,240 10x10* | arrow");
    Row("polygon: 10 right and down", "polygon 10,10 50,10 30,40; select p1; alt p", "key ctrl+D",
        "P1 10,10 50,10 30,40 10,10 [|p] | P2 20,20 60,20 40,50 20,20* [|p] | arrow", 0, "|p");
    Row("polygon near the edge: centre", "canvas 0,0,641,480; polygon 630,10 635,20 628,15; select p1", "key ctrl+D",
        "P1 630,10 635,20 628,15 630,10 | P2 322,240 328,250 320,245 322,240* | arrow");
    Row("duplicates walk, then centre", "canvas 0,0,100,80; box 30,20,10,10; select b1",
        "key ctrl+D; key ctrl+D; key ctrl+D; key ctrl+D; key ctrl+D",
        "B1 rect 30,20 10x10 | B2 rect 40,30 10x10 | B3 rect 50,40 10x10 | B4 rect 60,50 10x10 | "
        "B5 rect 70,60 10x10 | B6 rect 50,40 10x10* | arrow"); // 60 + 20 is not below 80
}

} // namespace

// Editing by mouse and keyboard: whole gestures played against the editor, and what they hit.
class EditingTest : public QObject {
    Q_OBJECT
private slots:
    void scripts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("pointer");
        QTest::addColumn<QString>("panel");
        MouseRows();
        KeyRows();
        CornerRows();
        TraceRows();
        DuplicateRows();
    }

    void scripts()
    {
        QFETCH(QString, script);
        QFETCH(int, pointer);
        QFETCH(QString, panel);
        EditorScript s;
        QVERIFY(s.play(script));
        QTEST(describe(s.editor), "expected");
        if (pointer != 0)
            QCOMPARE(cursorCode(s.editor.state().cursor), pointer);
        if (!panel.isNull())
            QCOMPARE(describePanel(s.editor), panel);
        QCOMPARE(editorProblems(s.editor), QStringList());
    }

    void hover_data()
    {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("pointer");
        QTest::addColumn<QString>("handle");
        const char* rect = "box 10,10,100,50; select b1; ";
        auto row = [](const char* name, const QString& moves, const char* mode, int pointer, const char* handle) {
            QTest::newRow(name) << moves << QString(mode) << pointer << QString(handle);
        };
        row("corner 4 before the right side", rect + QString("move 110,60"), "resize_corner", 8, "corner 4");
        row("left side", rect + QString("move 12,30"), "resize_side", 9, "side 1");
        row("corner 1 beats sides 1 and 3", rect + QString("move 12,12"), "resize_corner", 8, "corner 1");
        row("corner zone reaches 3 past the corner", rect + QString("move 7,7"), "resize_corner", 8, "corner 1");
        row("4 off is nothing", rect + QString("move 6,10"), "arrow", 1, "");
        row("bottom side", rect + QString("move 60,58"), "resize_side", 7, "side 4");
        row("off the handles again", rect + QString("move 60,58; move 60,30"), "arrow", 1, "");
        row("a side has no reach past its ends", rect + QString("move 113,62"), "resize_corner", 8, "corner 4");
        row("past a side's end", rect + QString("move 7,64"), "arrow", 1, "");
        row("small box: corner order decides", "box 10,10,4,4; select b1; move 12,12", "resize_corner", 8, "corner 1");
        row("polygon vertex", "polygon 10,10 50,10 30,40; select p1; move 52,12", "resize_corner", 15, "vertex 2");
        row("two vertices in reach: the lower number", "polygon 10,10 14,10 30,40; select p1; move 12,10",
            "resize_corner", 15, "vertex 1");
        row("nothing selected: nothing changes", "box 10,10,100,50; move 10,10", "arrow", 1, "");
        row("held button: the mode stays", rect + QString("move 110,60; press 110,60; move 60,30"), "resize_corner", 8,
            "corner 4");
        row("drawing tools do not hover", rect + QString("tool rect; move 10,10"), "rect", 2, "");
    }

    void hover()
    {
        QFETCH(QString, moves);
        EditorScript s;
        QVERIFY(s.play(moves));
        const EditorState& state = s.editor.state();
        const Handle handle = state.gesture.kind == Gesture::Kind::Resize ? state.gesture.handle : state.hover;
        const char* kinds[] = { "", "corner", "side", "vertex" };
        const int number = handle.kind == Handle::Kind::Vertex ? handle.number + 1 : handle.number;
        QTEST(describe(s.editor).section(" | ", -1), "mode");
        QTEST(cursorCode(state.cursor), "pointer");
        QTEST(handle.isNone() ? QString() : QStringLiteral("%1 %2").arg(kinds[int(handle.kind)]).arg(number), "handle");
    }

    // The closing marker shows exactly when a click would close the polygon.
    void closingMarker_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<bool>("closes");
        const char* three = "click 10,10; click 50,10; click 30,40";
        QTest::newRow("3 right and 3 below") << three << QPoint(13, 13) << true;
        QTest::newRow("3 left and 3 above") << three << QPoint(7, 7) << true;
        QTest::newRow("4 right") << three << QPoint(14, 10) << false;
        QTest::newRow("4 below") << three << QPoint(10, 14) << false;
        QTest::newRow("two vertices") << "click 10,10; click 50,10" << QPoint(10, 10) << false;
    }

    void closingMarker()
    {
        QFETCH(QString, clicks);
        QFETCH(QPoint, pointer);
        QFETCH(bool, closes);
        EditorScript s;
        const QString at = QStringLiteral("%1,%2").arg(pointer.x()).arg(pointer.y());
        QVERIFY(s.play("tool poly; " + clicks + "; move " + at));
        QCOMPARE(s.editor.state().closingMarker, closes);
        QVERIFY(s.editor.state().rubberLine);
        QVERIFY(s.play("click " + at));
        QVERIFY(!s.editor.state().closingMarker);
        QCOMPARE(s.editor.state().building == 0, closes);
    }

    // A polygon keeps between three corners and kMaxPolygonVertices stored vertices.
    void cornerLimits()
    {
        EditorScript s;
        std::vector<Vertex> full(size_t(kMaxPolygonVertices), Vertex { 10, 60 });
        full[0] = full.back() = { 10, 10 };
        full[1] = { 60, 10 };
        full[2] = { 60, 60 };
        s.editor.apply([&](Editing& e) { selectArea(e, e.map.append(Area::polygon(full))); });
        const auto count = [&s] { return s.editor.selectedArea()->vertices().size(); };
        QVERIFY(s.play("dclick 35,10"));
        QCOMPARE(count(), size_t(kMaxPolygonVertices));
        QCOMPARE(s.notices.size(), 1);
        QVERIFY(s.play("ctrlclick 60,10; dclick 35,35"));
        QCOMPARE(count(), size_t(kMaxPolygonVertices));
        QCOMPARE(s.editor.undoStack().count(), 2);
        QVERIFY(s.play("polygon 0,0 9,0 0,9; select p2; ctrlclick 9,0"));
        QCOMPARE(s.notices.size(), 2);
    }

    void nothingSelectedDoesNothing()
    {
        for (const char* key : { "Delete", "ctrl+C", "ctrl+X", "ctrl+D", "Left", "Down", "ctrl+V" }) {
            EditorScript s;
            QVERIFY(s.play("box 10,10,20,20; polygon 100,100 120,100 110,120"));
            const ImageMap before = s.editor.map();
            QVERIFY(s.play(QStringLiteral("key ") + key)); // the clipboard is empty too
            QVERIFY2(s.editor.map() == before, key);
            QCOMPARE(s.editor.undoStack().count(), 0);
        }
    }

    void areaUnderPointer_data()
    {
        QTest::addColumn<QString>("scene");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("hit"); // b2, p1 or "" for nothing
        const char* box = "box 10,20,30,40";
        const char* concave = "polygon 0,0 100,0 100,100 50,20 0,100";
        const char* crossed = "polygon 0,0 100,0 100,100 0,100 0,40 140,40 140,60 0,60";
        auto row = [](const char* name, const char* scene, QPoint at, const char* hit) {
            QTest::newRow(name) << QString(scene) << at << QString(hit);
        };
        row("box: left edge inclusive", box, { 10, 20 }, "b1");
        row("box: right edge inclusive", box, { 40, 60 }, "b1");
        row("box: one past the right edge", box, { 41, 30 }, "");
        row("box: one above", box, { 20, 19 }, "");
        row("circle: hit in its box's corner", "circle 0,0,40,40", { 1, 1 }, "b1");
        row("overlapping boxes: the later one", "box 0,0,50,50; box 20,20,50,50", { 30, 30 }, "b2");
        row("a box before a later polygon", "box 0,0,50,50; polygon 0,0 100,0 100,100 0,100", { 30, 30 }, "b1");
        row("overlapping polygons: the later one", "polygon 0,0 100,0 100,100; polygon 0,0 100,0 100,100", { 90, 10 },
            "p2");
        row("two vertices are never hit", "open 0,0 100,100", { 50, 50 }, "");
        row("open polygon of three: tested as closed", "open 0,0 100,0 100,100", { 90, 10 }, "p1");
        row("concave: inside the notch is outside", concave, { 50, 60 }, "");
        row("concave: in an arm", concave, { 90, 60 }, "p1");
        row("self-intersecting: the doubly covered middle is outside", crossed, { 50, 50 }, "");
        row("self-intersecting: singly covered", crossed, { 120, 50 }, "p1");
        row("far from every area", "box 0,0,10,10; polygon 0,0 100,0 100,100", { 5000, 5000 }, "");
    }

    void areaUnderPointer()
    {
        QFETCH(QString, scene);
        QFETCH(QPoint, at);
        EditorScript s;
        QVERIFY(s.play(scene));
        const AreaId id = ::areaUnderPointer(s.editor.map(), s.editor.index(), at.x(), at.y());
        QString name;
        int boxes = 0, polygons = 0;
        for (const Area& area : s.editor.map().areas()) {
            area.isBox() ? ++boxes : ++polygons;
            if (area.id() == id)
                name = area.isBox() ? QStringLiteral("b%1").arg(boxes) : QStringLiteral("p%1").arg(polygons);
        }
        QTEST(name, "hit");
    }

    void pointInPolygon_data()
    {
        QTest::addColumn<QList<int>>("xy"); // x1, y1, x2, y2, ... (closed: the first repeated at the end)
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<bool>("inside");
        const QList<int> square { 0, 0, 10, 0, 10, 10, 0, 10, 0, 0 };
        // On the boundary the crossing rule decides: right and top edges count, left and bottom do not.
        QTest::newRow("on the top-left vertex") << square << 0. << 0. << false;
        QTest::newRow("on the left edge") << square << 0. << 5. << false;
        QTest::newRow("on the right edge") << square << 10. << 5. << true;
        QTest::newRow("on the top edge") << square << 5. << 0. << true;
        QTest::newRow("on the bottom edge") << square << 5. << 10. << false;
        QTest::newRow("x keeps its fraction: just inside") << square << 9.75 << 5. << true;
        QTest::newRow("x keeps its fraction: just outside") << square << -0.25 << 5. << false;
        // Products of 17-bit differences need 34 bits; an overflow would flip these.
        const QList<int> huge { -32768, -32768, 32767, -32768, 32767, 32767, -32768, 32767 };
        QTest::newRow("16-bit extremes: centre") << huge << 0. << 0. << true;
        QTest::newRow("16-bit extremes: near a corner") << huge << 32766.5 << 32766. << true;
        // A sliver across the whole range, half a pixel wide at x = 0: only x's fraction tells.
        const QList<int> sliver { -32768, -32768, 32767, 32767, 32767, 32766 };
        QTest::newRow("sliver: inside by a quarter pixel") << sliver << 0.25 << 0. << true;
        QTest::newRow("sliver: outside by a quarter pixel") << sliver << 0.75 << 0. << false;
    }

    void pointInPolygon()
    {
        QFETCH(QList<int>, xy);
        QFETCH(double, x);
        QFETCH(double, y);
        std::vector<Vertex> vertices;
        for (int k = 0; k + 1 < xy.size(); k += 2)
            vertices.push_back({ int16_t(xy[k]), int16_t(xy[k + 1]) });
        QTEST(::pointInPolygon(vertices, x, y), "inside");
    }
};

QTEST_MAIN(EditingTest)
#include "tst_editing.moc"
