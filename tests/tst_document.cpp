#include "document/DocumentInvariants.h"
#include "document/Numbers.h"
#include "editing/Overlay.h"
#include "support/EditorHarness.h"

#include <QtTest>

#include <functional>

using Corruption = std::function<void(Editor&)>;
using Segments = std::vector<RecordingView::Segment>;
Q_DECLARE_METATYPE(Corruption)
Q_DECLARE_METATYPE(Segments)

namespace {

constexpr Rgb M = SelectedColour;
constexpr Rgb Pen { 1, 2, 3 }; // whatever colour the canvas's pen had before the overlay drew

// The four lines of a handle around (x, y), as DrawHandleBox draws them.
Segments Handle(float x, float y)
{
    return { { x - 3, y - 3, x + 3, y - 3, M }, { x + 3, y - 3, x + 3, y + 3, M }, { x - 3, y + 3, x + 3, y + 3, M },
        { x - 3, y + 3, x - 3, y - 3, M } };
}

Segments Join(std::initializer_list<Segments> parts)
{
    Segments all;
    for (const Segments& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT
private slots:
    void roundHalfEven_data()
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
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 32767;
    }

    void roundHalfEven()
    {
        QFETCH(double, value);
        QTEST(int(RoundToInt16(value)), "rounded");
    }

    void saturatingSums()
    {
        QCOMPARE(SaturatingAdd(32767, 1), int16_t(32767));
        QCOMPARE(SaturatingAdd(-32768, -1), int16_t(-32768));
        QCOMPARE(SaturatingSubtract(-32768, 1), int16_t(-32768));
        QCOMPARE(SaturatingSubtract(10, -5), int16_t(15));
    }

    void formatSingle_data()
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

    void formatSingle()
    {
        QFETCH(float, value);
        QTEST(FormatSingle(value), "text");
    }

    void invariantsCatchCorruption_data()
    {
        QTest::addColumn<Corruption>("corrupt");
        QTest::addColumn<QString>("expected"); // empty: the editor is sound
        auto row = [](const char* name, const char* expected, Corruption corrupt) {
            QTest::newRow(name) << corrupt << QString(expected);
        };
        row("sound", "", [](Editor&) {});
        row("a box being stretched keeps element 0's colour", "", [](Editor& e) {
            AddTestBox(e.map, 1, 1, 0, 0);
            e.map.boxes[4].BorderColor = DefaultWindowTextColour;
            e.state.drawingBox = 4;
        });
        row("count past the list", "box list has 5", [](Editor& e) { e.map.boxCount = 4; });
        row("hidden box", "box 1 is hidden", [](Editor& e) { e.map.boxes[1].Visible = false; });
        row("outline on the spare", "element 4 has an outline", [](Editor& e) { e.map.boxes[4].Visible = true; });
        row("visible clipboard", "element 0", [](Editor& e) { e.map.boxes[0].Visible = true; });
        row("negative size", "negative size", [](Editor& e) { e.map.boxes[3].Height = -1; });
        row("two magenta boxes", "box 1 has the wrong border", [](Editor& e) { e.map.boxes[1].BorderColor = M; });
        row("grey selection", "box 2 has the wrong", [](Editor& e) { e.map.boxes[2].BorderColor = NormalColour; });
        row("both kinds selected", "both", [](Editor& e) { e.state.selPoly = 1; });
        row("selection past the end", "selPoly 3", [](Editor& e) { e.state.selPoly = 3; });
        row("polygon list too long", "polygon list has 5", [](Editor& e) { e.map.polygons.emplace_back(); });
        row("vertex arrays", "vertex arrays", [](Editor& e) { e.map.polygons[1].vertexCount = 9; });
        row("empty polygon", "no vertices", [](Editor& e) { e.map.polygons[2] = PolygonArea(); });
        row("building nothing", "buildingPoly 7", [](Editor& e) { e.state.buildingPoly = 7; });
        row("drawing nothing", "drawingBox -1", [](Editor& e) { e.state.drawingBox = -1; });
    }

    void invariantsCatchCorruption()
    {
        QFETCH(Corruption, corrupt);
        QFETCH(QString, expected);
        // Three boxes, the second selected, and two polygons, one still open and being built.
        Editor editor;
        AddTestBox(editor.map, 10, 10, 20, 20);
        AddTestBox(editor.map, 40, 10, 20, 20, kCircleShape);
        AddTestBox(editor.map, 70, 10, 20, 20);
        SelectTestBox(editor, 2);
        AddTestPolygon(editor.map, { { 0, 0 }, { 10, 0 }, { 5, 8 } });
        AddTestPolygon(editor.map, { { 50, 50 }, { 60, 50 } }, false);
        editor.state.buildingPoly = 2;
        corrupt(editor);
        const QString violations = EditorInvariantViolations(editor).join('\n');
        QVERIFY2(expected.isEmpty() ? violations.isEmpty() : violations.contains(expected), qPrintable(violations));
    }

    void overlayDrawsFromTheDocument_data()
    {
        QTest::addColumn<QString>("scene");
        QTest::addColumn<bool>("refreshes");
        QTest::addColumn<Segments>("expected"); // the canvas's lines afterwards
        QTest::addColumn<Rgb>("penAfter");
        auto row = [](const char* name, const char* scene, const Segments& expected, Rgb pen = NormalColour) {
            QTest::newRow(name) << QString(scene) << true << expected << pen;
        };
        QTest::newRow("unselected box: drawn by the canvas, earlier lines kept")
            << "box 1,1,5,5" << false << Segments { { 0, 0, 1, 1, Pen } } << Pen;
        row("selected rectangle: four handles on its corners", "box 10,20,100,50; select b1",
            Join({ Handle(10, 20), Handle(110, 20), Handle(10, 70), Handle(110, 70) }));
        row("selected circle: handles on its box, not on the circle", "circle 0,0,40,20; select b1",
            Join({ Handle(0, 0), Handle(40, 0), Handle(0, 20), Handle(40, 20) }));
        // A handle is centred on the pixel that shows its point: 6 for 5.5.
        row("selected box of zero size: the handles coincide", "box 5.5,6,0,0; select b1",
            Join({ Handle(6, 6), Handle(6, 6), Handle(6, 6), Handle(6, 6) }));
        row("selected triangle: three edges, three handles, none on the closing copy",
            "polygon 10,10 50,10 30,40; select p1",
            Join({ Handle(10, 10), { { 10, 10, 50, 10, M } }, Handle(50, 10), { { 50, 10, 30, 40, M } }, Handle(30, 40),
                { { 30, 40, 10, 10, M } } }));
        row("open polygon of two vertices: one edge in the pen colour", "open 1,2 3,4", { { 1, 2, 3, 4, Pen } }, Pen);
        row("polygon of one vertex: nothing", "open 1,2", {}, Pen);
        row("two polygons, the second selected", "open 0,0 9,0; open 20,20 30,20; select p2",
            Join({ { { 0, 0, 9, 0, Pen } }, Handle(20, 20), { { 20, 20, 30, 20, M } } }));
        row("selected polygon before an unselected one: the later one turns grey",
            "open 0,0 9,0; open 20,20 30,20; select p1",
            Join({ Handle(0, 0), { { 0, 0, 9, 0, M } }, { { 20, 20, 30, 20, NormalColour } } }));
        row("polygons and a selected box: edges first, then the box's handles", "open 0,0 9,0; box 1,1,2,2; select b1",
            Join({ { { 0, 0, 9, 0, Pen } }, Handle(1, 1), Handle(3, 1), Handle(1, 3), Handle(3, 3) }));
        row("handles at the edge of the 16-bit range stop there", "open 32766,-32767 0,0; select p1",
            { { 32763, -32768, 32767, -32768, M }, { 32767, -32768, 32767, -32764, M },
                { 32763, -32764, 32767, -32764, M }, { 32763, -32764, 32763, -32768, M }, { 32766, -32767, 0, 0, M } });
    }

    void overlayDrawsFromTheDocument()
    {
        QFETCH(QString, scene);
        QFETCH(bool, refreshes);
        QFETCH(Segments, expected);
        EditorHarness h;
        QVERIFY(h.Play(scene));
        const Editor before = h.editor();
        RecordingView view;
        view.foreColor = Pen;
        view.segments.push_back({ 0, 0, 1, 1, Pen });
        RedrawOverlay(h.editor(), view);
        QCOMPARE(view.refreshCount, refreshes ? 1 : 0);
        QVERIFY(view.segments == expected);
        QTEST(view.foreColor, "penAfter");
        QVERIFY(h.editor() == before);
    }
};

QTEST_GUILESS_MAIN(DocumentTest)
#include "tst_document.moc"
