#include "editor/EditorInvariants.h"
#include "support/EditorScript.h"

#include <QtTest>

// Undo and redo through their keys: what one step takes back, and what comes back with it.
class UndoTest : public QObject {
    Q_OBJECT
private slots:
    // A change is as many steps as the gestures that made it. Undoing all of them gives back
    // the scene and its selection; redoing all of them, the change with its own.
    void undoAndRedo_data()
    {
        QTest::addColumn<QString>("script"); // the scene, "|", the change
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("steps");
        const auto row = [](const char* name, const char* script, const char* expected, int steps) {
            QTest::newRow(name) << QString(script) << QString(expected) << steps;
        };
        row("draw a rectangle", "| tool rect; press 300,300; move 310,320; move 330,340; release",
            "B1 rect 300,300 30x40* | arrow", 1);
        row("draw a circle", "| tool circle; press 300,300; move 310,300; release", "B1 circle 290,290 20x20* | arrow",
            1);
        row("a drag, from press to release", "box 10,10,40,40 | press 20,20; move 30,30; move 40,40; release",
            "B1 rect 30,30 40x40* | arrow", 1);
        // The opposite corner stays; a circle squares towards the side it was dragged to.
        row("a rectangle's bottom-left corner",
            "box 10,10,40,40; select b1 | move 10,50; press 10,50; move 0,70; release",
            "B1 rect 0,10 50x60* | resize_corner", 1);
        row("a circle's bottom-left corner, taller than wide",
            "circle 100,10,30,30; select b1 | move 100,40; press 100,40; move 95,60; release",
            "B1 circle 80,10 50x50* | resize_corner", 1);
        row("a circle's top-right corner, taller than wide",
            "circle 100,10,30,30; select b1 | move 130,10; press 130,10; move 135,-20; release",
            "B1 circle 100,-20 60x60* | resize_corner", 1);
        row("a side", "circle 100,10,30,30; select b1 | move 130,25; press 130,25; move 140,25; release",
            "B1 circle 90,0 50x50* | resize_side", 1);
        row("a vertex", "polygon 10,100 60,100 35,140; select p1 | move 35,140; press 35,140; move 40,150; release",
            "P1 10,100 60,100 40,150 10,100* | resize_corner", 1);
        row("a run of nudges with one key", "polygon 10,100 60,100 35,140; select p1 | key Left; key Left; key Left",
            "P1 7,100 57,100 32,140 7,100* | arrow", 1);
        row("nudges of another area", "box 10,10,40,40; box 100,10,5,5; select b1 | key Left; select b2; key Left",
            "B1 rect 9,10 40x40 | B2 rect 99,10 5x5* | arrow", 2);
        row("another key starts another step", "box 10,10,40,40; select b1 | key Left; key Up; key Left",
            "B1 rect 8,9 40x40* | arrow", 3);
        row("typing in one box until the focus leaves",
            "box 10,10,40,40; select b1 | focus href; href a; href ab; alt x; focus other",
            "B1 rect 10,10 40x40* [ab|x] | arrow", 2);
        row("typing again after the focus came back",
            "box 10,10,40,40; select b1 | focus href; href a; focus other; focus href; href ab",
            "B1 rect 10,10 40x40* [ab|] | arrow", 2);
        row("delete, cut, paste, duplicate",
            "box 10,10,40,40; polygon 10,100 60,100 35,140; select b1 | key Delete; select p1; key ctrl+X; key ctrl+V; "
            "key ctrl+D",
            "P1 20,110 70,110 45,150 20,110 | P2 30,120 80,120 55,160 30,120* | arrow", 4);
        row("each corner of a polygon", "| tool poly; click 300,300; click 350,300; click 320,350; click 300,300",
            "P1 300,300 350,300 320,350 300,300* | arrow", 4);
        row("undo takes back the last corner", "| tool poly; click 300,300; click 350,300; key ctrl+Z",
            "P1 300,300 building | poly", 2);
        row("undo right after a polygon's first corner: building ends", "| tool poly; click 300,300; key ctrl+Z",
            "poly", 1);
        row("redo: building goes on", "| tool poly; click 300,300; key ctrl+Z; key ctrl+Y; click 350,300",
            "P1 300,300 350,300 building | poly", 2);
        row("undo brings back the selection", "box 10,10,40,40; select b1 | key Delete; key ctrl+Z",
            "B1 rect 10,10 40x40* | arrow", 1);
        row("redo brings back the selection after",
            "box 10,10,40,40; select b1 | key ctrl+D; select b1; key ctrl+Z; key ctrl+Y",
            "B1 rect 10,10 40x40 | B2 rect 20,20 40x40* | arrow", 1);
        row("a new change drops what was undone", "box 10,10,40,40; select b1 | key Delete; key ctrl+Z; key Right",
            "B1 rect 11,10 40x40* | arrow", 1);
        row("New Imagemap starts a new history", "box 10,10,40,40; select b1 | key Delete; newmap; key ctrl+Z", "arrow",
            0);
        // A key in the middle of a gesture goes into the gesture's step.
        row("a key pressed during a drag", "| tool circle; press 300,300; key ctrl+C; move 320,300; key Left; release",
            "B1 circle 280,280 40x40* | arrow", 1);
        row("undo pressed during a drag", "box 10,10,40,40 | press 20,20; move 30,30; key ctrl+Z; release",
            "B1 rect 20,20 40x40* | arrow", 1);
        // A box left half-drawn by Generate during its rubber band stretches on later moves.
        row("a half-drawn box", "| tool rect; press 300,300; generate; release; tool rect; move 350,320; move 360,330",
            "B1 rect 300,300 0x0* | rect", 1);
        // A release that ends no press of the canvas's own still clicks, and starts a polygon.
        row("a release with no press", "| tool poly; release; move 310,300; release", "P1 0,0 310,300 building | poly",
            2);
    }
    void undoAndRedo()
    {
        QFETCH(QString, script);
        EditorScript s;
        QVERIFY(s.play(script.section('|', 0, 0)));
        const ImageMap scene = s.editor.map();
        const AreaId selected = s.editor.state().selected;
        QVERIFY(s.play(script.section('|', 1)));
        const QString after = describe(s.editor);
        QTEST(after, "expected");
        QUndoStack& history = s.editor.undoStack();
        QTEST(history.count(), "steps");
        const bool atTheEnd = history.index() == history.count();
        QCOMPARE(editorProblems(s.editor), QStringList());
        for (int step = history.index(); step > 0; --step) // the keys reach the map from the canvas
            QVERIFY(s.play("focus other; key ctrl+Z") && history.index() == step - 1);
        QVERIFY(s.editor.map() == scene || script.contains("newmap"));
        QCOMPARE(s.editor.state().selected, script.contains("newmap") ? 0 : selected);
        QCOMPARE(editorProblems(s.editor), QStringList());
        for (int step = history.index(); step < history.count(); ++step)
            QVERIFY(s.play("key ctrl+Y") && history.index() == step + 1);
        if (atTheEnd) // the tool is no step
            QCOMPARE(describe(s.editor).section(" | ", 0, -2), after.section(" | ", 0, -2));
        QCOMPARE(editorProblems(s.editor), QStringList());
    }
};

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
