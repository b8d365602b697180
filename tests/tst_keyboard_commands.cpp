#include "support/EditorHarness.h"

#include <QtTest>

class KeyboardCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void commands_data();
    void commands();
    void nothingSelectedDoesNothing_data();
    void nothingSelectedDoesNothing();
    void repeatedDuplicatesWalkThenJumpToTheCentre();
    void pasteKeepsTheTexts();
};

void KeyboardCommandsTest::commands_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    auto row = [](const char* name, const char* scene, const char* keys, const char* expected) {
        QTest::newRow(name) << QString(scene) << QString(keys) << QString(expected);
    };
    const char* box = "box 10,10,20,20; polygon 100,100 120,100 110,120; press 15,15; release";
    const char* polygon = "box 10,10,20,20; polygon 100,100 120,100 110,120; press 110,105; release";
    row("Delete a box", box, "key Delete", "P1 100,100 120,100 110,120 100,100 | arrow");
    row("Backspace a polygon", polygon, "key Backspace", "B1 rect 10,10 20x20 | arrow");
    row("Shift and Alt change nothing", box, "key shift+alt+Delete", "P1 100,100 120,100 110,120 100,100 | arrow");
    row("C without Ctrl does nothing", box, "key C; key V",
        "B1 rect 10,10 20x20* | P1 100,100 120,100 110,120 100,100 | arrow");
    row("copy, delete, paste: back 10 right and down", box, "key ctrl+C; key Delete; key ctrl+V",
        "B1 rect 20,20 20x20* | P1 100,100 120,100 110,120 100,100 | arrow");
    row("cut and paste a polygon", polygon, "key ctrl+X; key ctrl+V",
        "B1 rect 10,10 20x20 | P1 110,110 130,110 120,130 110,110* | arrow");
    row("paste a polygon while a box is selected: the box turns grey", polygon,
        "key ctrl+C; press 15,15; release; key ctrl+shift+V",
        "B1 rect 10,10 20x20 | P1 100,100 120,100 110,120 100,100 | P2 110,110 130,110 120,130 110,110* | arrow");
    row("duplicate a box", box, "key ctrl+D",
        "B1 rect 10,10 20x20 | B2 rect 20,20 20x20* | P1 100,100 120,100 110,120 100,100 | arrow");
    row("nudge a box", box, "key Left; key Left; key Up; key Right; key Down; key Down",
        "B1 rect 9,11 20x20* | P1 100,100 120,100 110,120 100,100 | arrow");
    row("nudge a closed polygon: it stays closed", polygon, "key Left; key Down",
        "B1 rect 10,10 20x20 | P1 99,101 119,101 109,121 99,101* | arrow");
    row("nudge past the picture's edge", "box 0,0,5,5; press 1,1; release", "key Left; key Up; key Up",
        "B1 rect -1,-2 5x5* | arrow");
    row("focus in the map name: the keys are the text's", box, "focus map; key Delete; key ctrl+D; key Left",
        "B1 rect 10,10 20x20* | P1 100,100 120,100 110,120 100,100 | arrow");
    row("focus in the URL box", box, "focus href; key Backspace",
        "B1 rect 10,10 20x20* | P1 100,100 120,100 110,120 100,100 | arrow");
    row("focus in the alt box", polygon, "focus alt; key ctrl+X",
        "B1 rect 10,10 20x20 | P1 100,100 120,100 110,120 100,100* | arrow");
    row("focus on a button: the commands work", box, "focus other; key Delete",
        "P1 100,100 120,100 110,120 100,100 | arrow");
    row("the clipboard survives deleting everything", box,
        "key ctrl+C; key Delete; press 110,105; release; key Delete; key ctrl+V", "B1 rect 20,20 20x20* | arrow");
}

void KeyboardCommandsTest::commands()
{
    QFETCH(QString, scene);
    QFETCH(QString, keys);
    EditorHarness h;
    QVERIFY(h.Play(scene));
    QVERIFY(h.Play(keys));
    QTEST(Describe(h.editor()), "expected");
    QCOMPARE(EditorInvariantViolations(h.editor()), QStringList());
}

void KeyboardCommandsTest::nothingSelectedDoesNothing_data()
{
    QTest::addColumn<QString>("key");
    for (const char* key : { "Delete", "ctrl+C", "ctrl+X", "ctrl+D", "Left", "Down", "ctrl+V" })
        QTest::newRow(key) << QString(key);
}

void KeyboardCommandsTest::nothingSelectedDoesNothing()
{
    QFETCH(QString, key);
    EditorHarness h;
    QVERIFY(h.Play("box 10,10,20,20; polygon 100,100 120,100 110,120"));
    const Editor before = h.editor();
    const int refreshes = h.view.refreshCount;
    QVERIFY(h.Play("key " + key)); // the clipboard is empty too
    QVERIFY(h.editor() == before);
    QCOMPARE(h.view.refreshCount, refreshes); // not even a redraw
}

void KeyboardCommandsTest::repeatedDuplicatesWalkThenJumpToTheCentre()
{
    EditorHarness h;
    h.view.canvas = { 0, 0, 100, 80 };
    QVERIFY(h.Play("box 30,20,10,10; press 31,21; release"));
    QVERIFY(h.Play("key ctrl+D; key ctrl+D; key ctrl+D; key ctrl+D; key ctrl+D"));
    // 30,20 -> 40,30 -> 50,40 -> 60,50 -> 70,60; then 60 + 20 is not below 80: the centre.
    QCOMPARE(Describe(h.editor()),
        QStringLiteral("B1 rect 30,20 10x10 | B2 rect 40,30 10x10 | B3 rect 50,40 10x10 | B4 rect 60,50 10x10 | "
                       "B5 rect 70,60 10x10 | B6 rect 50,40 10x10* | arrow"));
}

void KeyboardCommandsTest::pasteKeepsTheTexts()
{
    EditorHarness h;
    QVERIFY(h.Play("box 10,10,20,20; press 15,15; release"));
    h.session.HrefEdited("a.html");
    h.session.AltEdited("A");
    QVERIFY(h.Play("key ctrl+C; key Delete; key ctrl+V; key ctrl+V"));
    // Every paste lands at the same place: 10 right and down of where the copy was taken.
    QCOMPARE(Describe(h.editor()), QStringLiteral("B1 rect 20,20 20x20 | B2 rect 20,20 20x20* | arrow"));
    QCOMPARE(h.map().box(2).url, QStringLiteral("a.html"));
    QCOMPARE(h.view.altText, QStringLiteral("A"));
    QVERIFY(h.view.panelEnabled);
}

QTEST_GUILESS_MAIN(KeyboardCommandsTest)
#include "tst_keyboard_commands.moc"
