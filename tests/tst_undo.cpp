#include "support/EditorHarness.h"
#include "undo/UndoHistory.h"

#include <QtTest>

namespace {

struct UndoableHarness : EditorHarness {
    UndoableHarness()
    {
        session.SetHistory(&history);
        Play("box 10,10,40,40; circle 100,10,30,30; polygon 10,100 60,100 35,140; box 200,200,20,20");
    }
    UndoHistory history { session };
};

// The map as undo restores it: the clipboard slots are no part of the user's edits, and the
// outline colours follow the selection restored with it.
ImagemapDocument Undoable(ImagemapDocument map)
{
    map.boxes[0] = BoxArea {};
    map.polygons[0] = PolygonArea {};
    for (int16_t i = 1; i <= map.boxCount; ++i)
        map.box(i).BorderColor = NormalColour;
    return map;
}

SelectionState SelectionOf(const Editor& editor)
{
    return { editor.state.selBox, editor.state.selPoly, editor.state.buildingPoly };
}

} // namespace

// Undo and redo with the history the main window uses.
class UndoTest : public QObject {
    Q_OBJECT
private slots:
    // Each kind of change the long session below does not make.
    void undoAndRedoEachKindOfChange_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("change");
        auto row = [](const char* name, const char* setUp, const char* change) {
            QTest::newRow(name) << QString(setUp) << QString(change);
        };
        row("draw a circle", "", "tool circle; press 300,300; move 310,300; release");
        row("one polygon click", "tool poly; click 300,300; click 350,300", "click 320,350");
        row("move a polygon", "", "press 35,110; move 0,0; release");
        row("resize by a corner", "press 20,20; release", "move 50,50; press 50,50; move 70,90; release");
        row("resize by a side", "press 20,20; release", "move 10,30; press 10,30; move 0,30; release");
        row("drag a vertex", "press 35,110; release", "move 60,100; press 60,100; move 80,90; release");
        row("delete the first box", "press 20,20; release", "key Delete");
        row("delete a polygon", "press 35,110; release", "key Delete");
        row("duplicate a polygon", "press 35,110; release", "key ctrl+D");
        row("type a URL", "press 20,20; release", "href a.html");
    }

    void undoAndRedoEachKindOfChange()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, change);
        UndoableHarness h;
        QVERIFY(h.Play(setUp));
        const Editor before = h.editor();
        QVERIFY(h.Play(change));
        const Editor after = h.editor();
        QVERIFY(Undoable(after.map) != Undoable(before.map));
        QVERIFY(h.Play("key ctrl+Z"));
        QVERIFY(Undoable(h.map()) == Undoable(before.map));
        QCOMPARE(SelectionOf(h.editor()), SelectionOf(before));
        QCOMPARE(EditorInvariantViolations(h.editor()), QStringList());
        QVERIFY(h.Play("key ctrl+shift+Z"));
        QVERIFY(Undoable(h.map()) == Undoable(after.map));
        QCOMPARE(SelectionOf(h.editor()), SelectionOf(after));
        QVERIFY(h.Play("key ctrl+Z; key ctrl+Y"));
        QVERIFY(Undoable(h.map()) == Undoable(after.map));
        QCOMPARE(EditorInvariantViolations(h.editor()), QStringList());
    }

    // How many steps the history holds after a script, redo steps included.
    void steps_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("steps");
        QTest::newRow("a drag from press to release") << "press 20,20; move 30,30; move 40,40; release" << 1;
        QTest::newRow("a run of nudges with one key") << "press 20,20; release; key Left; key Left; key Left" << 1;
        QTest::newRow("another key starts another step") << "press 20,20; release; key Left; key Up; key Left" << 3;
        QTest::newRow("nudges of another area")
            << "press 20,20; release; key Left; press 210,210; release; key Left" << 2;
        QTest::newRow("selecting is no step") << "press 20,20; release; press 210,210; release" << 0;
        QTest::newRow("hovering and clicking empty canvas") << "move 20,20; press 500,500; release" << 0;
        QTest::newRow("typing in one box is one step") << "press 20,20; release; focus href; href a; href ab" << 1;
        QTest::newRow("typing after the focus came back")
            << "press 20,20; release; focus href; href a; focus other; focus href; href ab" << 2;
        QTest::newRow("a new change drops the redo steps")
            << "press 20,20; release; key Delete; key ctrl+Z; key Right" << 1;
        QTest::newRow("a new map starts a new history") << "press 20,20; release; key Delete; newmap" << 0;
    }

    void steps()
    {
        QFETCH(QString, script);
        UndoableHarness h;
        QVERIFY(h.Play(script));
        QTEST(h.history.Stack().count(), "steps");
        QCOMPARE(h.history.Stack().index(), h.history.Stack().count()); // nothing left to redo
    }

    void textBoxesKeepTheirOwnUndo()
    {
        UndoableHarness h;
        QVERIFY(h.Play("press 20,20; release; focus href; href abc; key ctrl+Z")); // the box's own undo, not ours
        QCOMPARE(h.map().box(1).url, QStringLiteral("abc"));
        QVERIFY(h.Play("focus other; key ctrl+Z"));
        QCOMPARE(h.map().box(1).url, QString());
        QCOMPARE(h.view.hrefText, QString());
    }

    void undoAllTheWayBack_data()
    {
        QTest::addColumn<QString>("session");
        QTest::newRow("a long session")
            << "press 20,20; move 25,25; release; key ctrl+C; key Delete; key ctrl+V; key ctrl+V; key ctrl+D; "
               "tool poly; click 300,300; click 320,300; click 310,330; click 300,300; key Down; key Down; "
               "press 110,20; release; key ctrl+X; tool rect; press 0,0; move 5,5; release";
        // Found by the fuzzer: a key in the middle of a drag took the drag's step with it.
        QTest::newRow("a key during a rubber band") << "tool circle; press 300,300; key ctrl+C; move 320,300; release";
        // A box left half-drawn by Generate during its rubber band stretches on later moves.
        QTest::newRow("a half-drawn box stretched again")
            << "tool rect; press 300,300; generate; release; tool rect; move 350,320; move 360,330; key Left";
        // A release that ends no press of the canvas's still clicks, and starts a polygon.
        QTest::newRow("a release without a press") << "tool poly; release; move 310,300; release";
    }

    void undoAllTheWayBack()
    {
        QFETCH(QString, session);
        UndoableHarness h;
        const Editor start = h.editor();
        QVERIFY(h.Play(session));
        h.session.FinishStep();
        const QString end = Describe(h.editor());
        while (h.history.Stack().canUndo())
            QVERIFY(h.Play("key ctrl+Z"));
        QVERIFY(Undoable(h.map()) == Undoable(start.map));
        while (h.history.Stack().canRedo())
            QVERIFY(h.Play("key ctrl+Y"));
        QCOMPARE(Describe(h.editor()), end);
    }
};

QTEST_GUILESS_MAIN(UndoTest)
#include "tst_undo.moc"
