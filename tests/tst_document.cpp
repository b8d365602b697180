#include "document/DocumentInvariants.h"
#include "document/Numbers.h"
#include "editing/Editor.h"
#include "support/DocumentBuilders.h"

#include <QtTest>

#include <functional>

using Corruption = std::function<void(Editor&)>;
Q_DECLARE_METATYPE(Corruption)

class DocumentTest : public QObject {
    Q_OBJECT
private slots:
    void startsEmpty();
    void roundHalfEven_data();
    void roundHalfEven();
    void saturation();
    void formatSingle_data();
    void formatSingle();
    void growAreaArraysKeepsTheSpareElement();
    void loadedElementCopiesElementZero();
    void countsStopAtTheLimit();
    void invariantsHoldForASoundEditor();
    void invariantsCatchCorruption_data();
    void invariantsCatchCorruption();
};

namespace {

// Three boxes, the second selected, and two polygons, one still open.
Editor SoundEditor()
{
    Editor editor;
    AddTestBox(editor.map, 10, 10, 20, 20);
    AddTestBox(editor.map, 40, 10, 20, 20, kCircleShape);
    AddTestBox(editor.map, 70, 10, 20, 20);
    SelectTestBox(editor, 2);
    AddTestPolygon(editor.map, { { 0, 0 }, { 10, 0 }, { 5, 8 } });
    AddTestPolygon(editor.map, { { 50, 50 }, { 60, 50 } }, false);
    editor.state.buildingPoly = 2;
    return editor;
}

} // namespace

void DocumentTest::startsEmpty()
{
    const Editor editor;
    QCOMPARE(ToolModeName(editor.state.toolMode), QStringLiteral("arrow"));
    QCOMPARE(editor.map.boxCount + editor.map.polyCount, 0);
    QCOMPARE(editor.state.selBox + editor.state.selPoly, 0);
    QCOMPARE(editor.state.clipKind, AreaKind::None);
    QCOMPARE(editor.map.boxes.size(), size_t(1)); // the clipboard slot exists from the start
    QVERIFY(editor.map.polygons.empty()); // lists come with the first GrowAreaArrays
    QCOMPARE(EditorInvariantViolations(editor), QStringList());
}

void DocumentTest::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("22.5") << 22.5 << 22;
    QTest::newRow("23.5") << 23.5 << 24;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("2.5001") << 2.5001 << 3;
    QTest::newRow("past the top saturates") << 32767.5 << 32767;
    QTest::newRow("bottom of range") << -32768.5 << -32768;
    QTest::newRow("past the bottom saturates") << -40000.0 << -32768;
}

void DocumentTest::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(int(RoundToInt16(value)), rounded);
}

void DocumentTest::saturation()
{
    QCOMPARE(SaturatingAdd(32767, 1), int16_t(32767));
    QCOMPARE(SaturatingAdd(-32768, -1), int16_t(-32768));
    QCOMPARE(SaturatingSubtract(-32768, 1), int16_t(-32768));
    QCOMPARE(SaturatingSubtract(10, -5), int16_t(15));
    QCOMPARE(SaturateToInt16(std::numeric_limits<double>::quiet_NaN()), int16_t(0));
    QCOMPARE(SaturateToInt16(std::numeric_limits<double>::infinity()), int16_t(32767));
}

void DocumentTest::formatSingle_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 120.f << "120";
    QTest::newRow("minus zero") << -0.f << "0";
    QTest::newRow("half") << -3.5f << "-3.5";
    QTest::newRow("shortest, not exact") << 0.1f << "0.1";
    QTest::newRow("no exponent") << 1e7f << "10000000";
    QTest::newRow("single precision") << 16777217.f << "16777216";
}

void DocumentTest::formatSingle()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(FormatSingle(value), text);
}

void DocumentTest::growAreaArraysKeepsTheSpareElement()
{
    ImagemapDocument map;
    for (const char* url : { "a", "b", "c" })
        AddTestBox(map, 0, 0, 1, 1, kRectangleShape, url);
    QCOMPARE(map.boxes.size(), size_t(5)); // slot 0, three boxes, the spare
    QVERIFY(map.polygons.empty()); // the other kind is not touched
    map.boxes[4].url = "old spare";

    UnloadShape(map, 3); // the last box leaves; its text stays in the new spare element
    map.boxCount = 2;
    GrowAreaArrays(map, true);
    QCOMPARE(map.boxes.size(), size_t(4));
    QCOMPARE(map.boxes[3].url, QStringLiteral("c"));
    QVERIFY(!map.boxes[3].Visible);

    map.boxCount = 3; // a new box at 3 finds that text; the new spare is empty
    GrowAreaArrays(map, true);
    QCOMPARE(map.boxes[3].url, QStringLiteral("c"));
    QCOMPARE(map.boxes[4].url, QString());
}

void DocumentTest::loadedElementCopiesElementZero()
{
    ImagemapDocument map;
    static_cast<ShapeControl&>(map.boxes[0]) = ShapeControl { 5, 6, 7, 8, kCircleShape, NormalColour, false, 2 };
    map.boxes[0].url = "clipboard text";
    map.boxCount = 1;
    LoadShape(map, 1);
    QCOMPARE(static_cast<const ShapeControl&>(map.boxes[1]), static_cast<const ShapeControl&>(map.boxes[0]));
    QVERIFY(!map.boxes[1].Visible);
    QCOMPARE(map.boxes[1].url, QString()); // texts are not part of the outline
}

void DocumentTest::countsStopAtTheLimit()
{
    ImagemapDocument map;
    for (int i = 0; i < kMaxAreasPerKind; ++i) {
        QVERIFY(AddBoxElement(map) != 0);
        QVERIFY(AddPolygonRecord(map) != 0);
    }
    QCOMPARE(map.boxCount, kMaxAreasPerKind);
    QCOMPARE(map.boxes.size(), size_t(32768)); // 0..32767: the whole 16-bit index range

    const ImagemapDocument full = map;
    QCOMPARE(AddBoxElement(map), int16_t(0));
    QCOMPARE(AddPolygonRecord(map), int16_t(0));
    QVERIFY(map == full);
    QVERIFY(AreaLimitMessage(AreaKind::Box).contains("32766 rectangles and circles"));
    QVERIFY(AreaLimitMessage(AreaKind::Polygon).contains("32766 polygons"));
}

void DocumentTest::invariantsHoldForASoundEditor()
{
    Editor editor = SoundEditor();
    QCOMPARE(EditorInvariantViolations(editor), QStringList());
    // A box being stretched keeps element 0's colour until its release selects it.
    AddTestBox(editor.map, 1, 1, 0, 0);
    editor.map.boxes[4].BorderColor = DefaultWindowTextColour;
    editor.state.drawingBox = 4;
    QCOMPARE(EditorInvariantViolations(editor), QStringList());
}

void DocumentTest::invariantsCatchCorruption_data()
{
    QTest::addColumn<Corruption>("corrupt");
    QTest::addColumn<QString>("expected");
    QTest::newRow("count past the list") << Corruption([](Editor& e) { e.map.boxCount = 4; }) << "box list has 5";
    QTest::newRow("hidden box") << Corruption([](Editor& e) { e.map.boxes[1].Visible = false; }) << "box 1 is hidden";
    QTest::newRow("outline on the spare")
        << Corruption([](Editor& e) { e.map.boxes[4].Visible = true; }) << "element 4 has an outline";
    QTest::newRow("visible clipboard") << Corruption([](Editor& e) { e.map.boxes[0].Visible = true; }) << "element 0";
    QTest::newRow("negative size") << Corruption([](Editor& e) { e.map.boxes[3].Height = -1; }) << "negative size";
    QTest::newRow("two magenta boxes") << Corruption([](Editor& e) { e.map.boxes[1].BorderColor = SelectedColour; })
                                       << "box 1 has the wrong border colour";
    QTest::newRow("grey selection") << Corruption([](Editor& e) { e.map.boxes[2].BorderColor = NormalColour; })
                                    << "box 2 has the wrong border colour";
    QTest::newRow("both kinds selected") << Corruption([](Editor& e) { e.state.selPoly = 1; }) << "both";
    QTest::newRow("selection past the end") << Corruption([](Editor& e) { e.state.selPoly = 3; }) << "selPoly 3";
    QTest::newRow("polygon list too long")
        << Corruption([](Editor& e) { e.map.polygons.emplace_back(); }) << "polygon list has 5";
    QTest::newRow("vertex arrays") << Corruption([](Editor& e) { e.map.polygons[1].vertexCount = 9; })
                                   << "vertex arrays";
    QTest::newRow("empty polygon") << Corruption([](Editor& e) { e.map.polygons[2] = PolygonArea(); }) << "no vertices";
    QTest::newRow("building nothing") << Corruption([](Editor& e) { e.state.buildingPoly = 7; }) << "buildingPoly 7";
    QTest::newRow("drawing nothing") << Corruption([](Editor& e) { e.state.drawingBox = -1; }) << "drawingBox -1";
}

void DocumentTest::invariantsCatchCorruption()
{
    QFETCH(Corruption, corrupt);
    QFETCH(QString, expected);
    Editor editor = SoundEditor();
    corrupt(editor);
    const QStringList violations = EditorInvariantViolations(editor);
    QVERIFY2(violations.join('\n').contains(expected), qPrintable(violations.join('\n')));
}

QTEST_GUILESS_MAIN(DocumentTest)
#include "tst_document.moc"
