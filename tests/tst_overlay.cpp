#include "editing/Overlay.h"
#include "support/DocumentBuilders.h"
#include "support/RecordingView.h"

#include <QtTest>

#include <functional>

using Segment = RecordingView::Segment;
using Segments = std::vector<Segment>;
using Builder = std::function<void(Editor&)>;
Q_DECLARE_METATYPE(Builder)
Q_DECLARE_METATYPE(Segments)

namespace {

constexpr Rgb M = SelectedColour;
constexpr Rgb Pen { 1, 2, 3 }; // whatever colour the canvas's pen had before the call

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

QString Describe(const Segments& segments)
{
    QStringList lines;
    for (const Segment& s : segments)
        lines << QStringLiteral("(%1,%2)-(%3,%4) #%5%6%7")
                     .arg(s.x1)
                     .arg(s.y1)
                     .arg(s.x2)
                     .arg(s.y2)
                     .arg(s.colour.r, 2, 16, QLatin1Char('0'))
                     .arg(s.colour.g, 2, 16, QLatin1Char('0'))
                     .arg(s.colour.b, 2, 16, QLatin1Char('0'));
    return lines.join('\n');
}

} // namespace

class OverlayTest : public QObject {
    Q_OBJECT
private slots:
    void drawsFromTheDocument_data();
    void drawsFromTheDocument();
    void nothingToDrawKeepsEarlierLines();
};

void OverlayTest::drawsFromTheDocument_data()
{
    QTest::addColumn<Builder>("build");
    QTest::addColumn<bool>("refreshes");
    QTest::addColumn<Segments>("expected");
    QTest::addColumn<Rgb>("penAfter");

    QTest::newRow("selected rectangle: four handles on its corners")
        << Builder([](auto& d) { AddTestBox(d.map, 10, 20, 100, 50), SelectTestBox(d, 1); }) << true
        << Join({ Handle(10, 20), Handle(110, 20), Handle(10, 70), Handle(110, 70) }) << NormalColour;
    QTest::newRow("selected circle: handles on its box, not on the circle")
        << Builder([](auto& d) { AddTestBox(d.map, 0, 0, 40, 20, kCircleShape), SelectTestBox(d, 1); }) << true
        << Join({ Handle(0, 0), Handle(40, 0), Handle(0, 20), Handle(40, 20) }) << NormalColour;
    QTest::newRow("selected box of zero size: the handles coincide")
        << Builder([](auto& d) { AddTestBox(d.map, 5.5f, 6, 0, 0), SelectTestBox(d, 1); }) << true
        << Join({ Handle(5.5f, 6), Handle(5.5f, 6), Handle(5.5f, 6), Handle(5.5f, 6) }) << NormalColour;
    QTest::newRow("selected triangle: three edges, three handles, none on the closing copy")
        << Builder([](auto& d) {
               AddTestPolygon(d.map, { { 10, 10 }, { 50, 10 }, { 30, 40 } }), SelectTestPolygon(d, 1);
           })
        << true
        << Join({ Handle(10, 10), { { 10, 10, 50, 10, M } }, Handle(50, 10), { { 50, 10, 30, 40, M } }, Handle(30, 40),
               { { 30, 40, 10, 10, M } } })
        << NormalColour;
    QTest::newRow("open polygon of two vertices: one edge in the pen colour") << Builder([](auto& d) {
        AddTestPolygon(d.map, { { 1, 2 }, { 3, 4 } }, false);
    }) << true << Segments { { 1, 2, 3, 4, Pen } } << Pen;
    QTest::newRow("polygon of one vertex: nothing") << Builder([](auto& d) {
        AddTestPolygon(d.map, { { 1, 2 } }, false);
    }) << true << Segments {} << Pen;
    QTest::newRow("two polygons, the second selected") << Builder([](auto& d) {
        AddTestPolygon(d.map, { { 0, 0 }, { 9, 0 } }, false);
        AddTestPolygon(d.map, { { 20, 20 }, { 30, 20 } }, false);
        SelectTestPolygon(d, 2);
    }) << true << Join({ { { 0, 0, 9, 0, Pen } }, Handle(20, 20), { { 20, 20, 30, 20, M } } })
                                                       << NormalColour;
    QTest::newRow("selected polygon before an unselected one: the later one turns grey") << Builder([](auto& d) {
        AddTestPolygon(d.map, { { 0, 0 }, { 9, 0 } }, false);
        AddTestPolygon(d.map, { { 20, 20 }, { 30, 20 } }, false);
        SelectTestPolygon(d, 1);
    }) << true << Join({ Handle(0, 0), { { 0, 0, 9, 0, M } }, { { 20, 20, 30, 20, NormalColour } } })
                                                                                         << NormalColour;
    QTest::newRow("polygons and a selected box: edges first, then the box's handles") << Builder([](auto& d) {
        AddTestPolygon(d.map, { { 0, 0 }, { 9, 0 } }, false);
        AddTestBox(d.map, 1, 1, 2, 2);
        SelectTestBox(d, 1);
    }) << true << Join({ { { 0, 0, 9, 0, Pen } }, Handle(1, 1), Handle(3, 1), Handle(1, 3), Handle(3, 3) })
                                                                                      << NormalColour;
    QTest::newRow("handles at the edge of the 16-bit range stop there")
        << Builder([](auto& d) {
               AddTestPolygon(d.map, { { 32766, -32767 }, { 0, 0 } }, false), SelectTestPolygon(d, 1);
           })
        << true
        << Segments { { 32763, -32768, 32767, -32768, M }, { 32767, -32768, 32767, -32764, M },
               { 32763, -32764, 32767, -32764, M }, { 32763, -32764, 32763, -32768, M }, { 32766, -32767, 0, 0, M } }
        << NormalColour;
}

void OverlayTest::drawsFromTheDocument()
{
    QFETCH(Builder, build);
    QFETCH(bool, refreshes);
    QFETCH(Segments, expected);
    QFETCH(Rgb, penAfter);
    Editor doc;
    build(doc);
    const Editor before = doc;
    RecordingView view;
    view.foreColor = Pen;
    view.segments.push_back({ 0, 0, 1, 1, Pen }); // left over from an earlier redraw
    RedrawOverlay(doc, view);
    QCOMPARE(view.refreshCount, refreshes ? 1 : 0);
    QVERIFY2(view.segments == expected, qPrintable("got:\n" + Describe(view.segments)));
    QCOMPARE(view.foreColor, penAfter);
    QVERIFY(doc == before);
}

void OverlayTest::nothingToDrawKeepsEarlierLines()
{
    Editor doc;
    AddTestBox(doc.map, 1, 1, 5, 5); // an unselected box is drawn by the canvas, not the overlay
    RecordingView view;
    view.segments.push_back({ 0, 0, 1, 1, Pen });
    RedrawOverlay(doc, view);
    QCOMPARE(view.refreshCount, 0);
    QVERIFY(view.segments == Segments({ { 0, 0, 1, 1, Pen } }));
}

QTEST_GUILESS_MAIN(OverlayTest)
#include "tst_overlay.moc"
