#include "editing/AreaLifecycle.h"
#include "editing/PropertiesPanel.h"
#include "output/HtmlGenerator.h"
#include "support/EditorHarness.h"

#include <QtTest>

class AreaOperationsTest : public QObject {
    Q_OBJECT
private slots:
    void deleteArea_data();
    void deleteArea();
    void copyToClipboard();
    void duplicate_data();
    void duplicate();
    void duplicateAtTheLimit();
    void buildingPolygonFollowsItsIndex_data();
    void buildingPolygonFollowsItsIndex();
    void panelStoresIntoTheSelection();
    void textsReachTheHtmlUnchanged_data();
    void textsReachTheHtmlUnchanged();
};

namespace {

// Three boxes and three polygons, each with texts naming it.
void ThreeOfEach(Editor& e)
{
    for (int i = 1; i <= 3; ++i) {
        const QString n = QString::number(i);
        AddTestBox(e.map, 10.f * i, 10, 5, 5, i == 2 ? kCircleShape : kRectangleShape, "b" + n, "B" + n);
        AddTestPolygon(e.map, { { int16_t(10 * i), 50 }, { int16_t(10 * i + 5), 50 }, { int16_t(10 * i), 55 } }, true,
            "p" + n, "P" + n);
    }
}

QString Urls(const ImagemapDocument& map, bool boxes)
{
    QStringList urls;
    const size_t size = boxes ? map.boxes.size() : map.polygons.size();
    for (size_t i = 0; i < size; ++i)
        urls << (boxes ? map.boxes[i].url : map.polygons[i].url);
    return urls.join(QLatin1Char(' '));
}

} // namespace

void AreaOperationsTest::deleteArea_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("left"); // the urls of every element: slot 0, the areas, the spare
    QTest::addColumn<bool>("refreshes");
    const int box = int(AreaKind::Box), polygon = int(AreaKind::Polygon);
    // What moves down, and what the spare element keeps: the last area's texts.
    QTest::newRow("first box") << box << 1 << " b2 b3 b3" << false;
    QTest::newRow("middle box") << box << 2 << " b1 b3 b3" << false;
    QTest::newRow("last box") << box << 3 << " b1 b2 b3" << false;
    QTest::newRow("first polygon") << polygon << 1 << " p2 p3 p3" << false;
    QTest::newRow("middle polygon") << polygon << 2 << " p1 p3 p3" << false;
    QTest::newRow("last polygon") << polygon << 3 << " p1 p2 p3" << false;
}

void AreaOperationsTest::deleteArea()
{
    QFETCH(int, kind);
    QFETCH(int, index);
    QFETCH(QString, left);
    EditorHarness h;
    h.Build(ThreeOfEach);
    const bool isBox = kind == int(AreaKind::Box);
    h.Build([&](Editor& e) {
        isBox ? SelectTestBox(e, int16_t(index)) : SelectTestPolygon(e, int16_t(index));
        ShowAreaProperties(e, h.view, int16_t(index), isBox);
    });
    const Editor before = h.editor();
    h.Build([&](Editor& e) { DeleteArea(e, h.view, int16_t(index), AreaKind(kind)); });

    QCOMPARE(Urls(h.map(), isBox), left);
    QCOMPARE(Urls(h.map(), !isBox), Urls(before.map, !isBox)); // the other kind is untouched
    QCOMPARE(h.state().selBox + h.state().selPoly, 0);
    QVERIFY(!h.view.panelEnabled);
    QCOMPARE(h.view.hrefText + h.view.altText, QString());
    QCOMPARE(EditorInvariantViolations(h.editor()), QStringList()); // every box grey, the spare unloaded
    if (isBox) {
        // The boxes behind move down with their shapes and texts; the next box keeps its own colour.
        for (int16_t i = int16_t(index); i < 3; ++i) {
            const BoxArea& moved = h.map().box(i);
            const BoxArea& was = before.map.box(int16_t(i + 1));
            QCOMPARE(QRectF(moved.Left, moved.Top, moved.Width, moved.Height),
                QRectF(was.Left, was.Top, was.Width, was.Height));
            QCOMPARE(moved.Shape, was.Shape);
            QCOMPARE(moved.alt, was.alt);
        }
    } else {
        // Polygon 2 is the old third one unless the third was the one deleted.
        QCOMPARE(StoredVertices(h.map().polygon(2)), StoredVertices(before.map.polygon(index <= 2 ? 3 : 2)));
    }
}

void AreaOperationsTest::copyToClipboard()
{
    EditorHarness h;
    h.Build(ThreeOfEach);
    h.Build([](Editor& e) {
        AddTestPolygon(e.map, { { 1, 2 }, { 3, 4 }, { 5, 6 }, { 7, 8 } }, true, "five", "vertices");
        SelectTestPolygon(e, 4);
    });
    const Editor before = h.editor();
    h.Build([](Editor& e) {
        CopyAreaToClipboard(e, 4, AreaKind::Polygon);
        CopyAreaToClipboard(e, 2, AreaKind::Box);
    });
    QCOMPARE(StoredVertices(h.map().polygons[0]), StoredVertices(h.map().polygon(4)));
    QCOMPARE(h.map().polygons[0].vertexCount, int16_t(5));
    QCOMPARE(h.map().polygons[0].url, QStringLiteral("five"));
    const BoxArea& slot = h.map().boxes[0];
    QCOMPARE(QRectF(slot.Left, slot.Top, slot.Width, slot.Height), QRectF(20, 10, 5, 5));
    QCOMPARE(slot.Shape, kCircleShape);
    QCOMPARE(slot.alt, QStringLiteral("B2"));
    QVERIFY(!slot.Visible);
    QCOMPARE(h.state(), before.state); // neither the selection nor clipKind
}

void AreaOperationsTest::duplicate_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QString>("source"); // b1, p1, b0 or p0 (the clipboard slot)
    QTest::addColumn<QRectF>("canvas");
    QTest::addColumn<QString>("expected");
    const QRectF canvas(0, 0, 640, 480);
    QTest::newRow("box: 10 right and down, in front, selected")
        << "box 100,100,50,30; box 0,0,5,5; select b1"
        << "b1" << canvas << "B1 rect 100,100 50x30 | B2 rect 0,0 5x5 | B3 rect 110,110 50x30* | arrow";
    QTest::newRow("box near the right edge: to the centre")
        << "box 620,10,10,10"
        << "b1" << canvas << "B1 rect 620,10 10x10 | B2 rect 320,240 10x10* | arrow";
    QTest::newRow("box near the bottom edge: to the centre, halves kept")
        << "circle 10,461,10,10"
        << "b1" << QRectF(0, 0, 641, 481) << "B1 circle 10,461 10x10 | B2 circle 320.5,240.5 10x10* | arrow";
    QTest::newRow("scrolled canvas: the visible end decides")
        << "box 100,100,10,10"
        << "b1" << QRectF(-600, 0, 700, 480) << "B1 rect 100,100 10x10 | B2 rect 350,240 10x10* | arrow";
    QTest::newRow("polygon: 10 right and down, a box's selection handed over")
        << "box 0,0,5,5; polygon 10,10 50,10 30,40; select b1"
        << "p1" << canvas << "B1 rect 0,0 5x5 | P1 10,10 50,10 30,40 10,10 | P2 20,20 60,20 40,50 20,20* | arrow";
    QTest::newRow("polygon near the edge: its corner to the centre, halves to even")
        << "polygon 630,10 635,20 628,15"
        << "p1" << QRectF(0, 0, 641, 480)
        << "P1 630,10 635,20 628,15 630,10 | P2 322,240 328,250 320,245 322,240* | arrow";
    QTest::newRow("from the clipboard slot, nothing selected")
        << "box 1,1,1,1"
        << "b0" << canvas << "B1 rect 1,1 1x1 | B2 rect 17,27 30x40* | arrow";
}

void AreaOperationsTest::duplicate()
{
    QFETCH(QString, scene);
    QFETCH(QString, source);
    QFETCH(QRectF, canvas);
    QFETCH(QString, expected);
    EditorHarness h;
    h.view.canvas = { float(canvas.x()), float(canvas.y()), float(canvas.width()), float(canvas.height()) };
    QVERIFY(h.Play(scene));
    h.Build([](Editor& e) {
        static_cast<ShapeControl&>(e.map.boxes[0]) = ShapeControl { 7, 17, 30, 40, kRectangleShape, SelectedColour };
        e.map.boxes[0].url = "from the clipboard";
        for (int16_t i = 1; i <= e.map.boxCount; ++i)
            e.map.box(i).url = "box";
        for (int16_t i = 1; i <= e.map.polyCount; ++i)
            e.map.polygon(i).url = "polygon";
    });
    const Editor before = h.editor();
    const auto index = int16_t(source.mid(1).toInt());
    const AreaKind kind = source.startsWith('b') ? AreaKind::Box : AreaKind::Polygon;
    h.Build([&](Editor& e) { DuplicateArea(e, h.view, index, kind); });
    QCOMPARE(Describe(h.editor()), expected);
    // The copy's texts show in the panel; the area selected before keeps its own.
    const QString sourceUrl = kind == AreaKind::Box ? before.map.box(index).url : before.map.polygon(index).url;
    QCOMPARE(h.view.hrefText, sourceUrl);
    QVERIFY(h.view.panelEnabled);
    if (before.state.selBox > 0)
        QCOMPARE(h.map().box(before.state.selBox).url, before.map.box(before.state.selBox).url);
    // With nothing selected, the hidden slot is what turns grey.
    if (before.state.selBox == 0 && kind == AreaKind::Box)
        QCOMPARE(h.map().boxes[0].BorderColor, NormalColour);
    QCOMPARE(EditorInvariantViolations(h.editor()), QStringList());
}

void AreaOperationsTest::duplicateAtTheLimit()
{
    EditorHarness h;
    h.Build([](Editor& e) {
        for (int i = 0; i < kMaxAreasPerKind; ++i)
            AddTestBox(e.map, 0, 0, 1, 1);
        SelectTestBox(e, 1);
    });
    const Editor full = h.editor();
    h.Build([&](Editor& e) { DuplicateArea(e, h.view, 1, AreaKind::Box); });
    QVERIFY(h.editor() == full);
    QCOMPARE(h.view.notices, QStringList(AreaLimitMessage(AreaKind::Box)));
}

void AreaOperationsTest::buildingPolygonFollowsItsIndex_data()
{
    QTest::addColumn<QString>("change"); // delete p1, delete p2 (the one being built), duplicate p1
    QTest::addColumn<QString>("expected"); // after one more click at 90,90
    QTest::newRow("a polygon before it deleted: the click extends it") << "delete p1"
                                                                       << "P1 50,50 70,50 90,90 building | poly";
    QTest::newRow("polygons appended behind it: the click extends it")
        << "duplicate p1"
        << "P1 0,0 20,0 10,20 0,0 | P2 50,50 70,50 90,90 building | P3 10,10 30,10 20,30 10,10* | poly";
    QTest::newRow("deleted itself: building ends, the click starts anew")
        << "delete p2"
        << "P1 0,0 20,0 10,20 0,0 | P2 90,90 building | poly";
}

void AreaOperationsTest::buildingPolygonFollowsItsIndex()
{
    QFETCH(QString, change);
    QFETCH(QString, expected);
    EditorHarness h;
    QVERIFY(h.Play("polygon 0,0 20,0 10,20; tool poly; click 50,50; click 70,50; move 51,51"));
    const auto index = int16_t(change.right(1).toInt());
    h.Build([&](Editor& e) {
        if (change.startsWith("delete"))
            DeleteArea(e, h.view, index, AreaKind::Polygon);
        else
            DuplicateArea(e, h.view, index, AreaKind::Polygon);
    });
    QVERIFY(h.Play("click 90,90"));
    QCOMPARE(Describe(h.editor()), expected);
    QCOMPARE(EditorInvariantViolations(h.editor()), QStringList());
}

void AreaOperationsTest::panelStoresIntoTheSelection()
{
    EditorHarness h;
    h.Build(ThreeOfEach);
    h.session.HrefEdited("nothing selected"); // stored nowhere
    QCOMPARE(Urls(h.map(), true), QStringLiteral(" b1 b2 b3 "));
    QVERIFY(h.Play("press 21,11; release")); // box 2
    QCOMPARE(h.view.hrefText, QStringLiteral("b2"));
    h.session.HrefEdited("b2x");
    h.session.AltEdited("");
    QVERIFY(h.Play("press 31,51; release")); // polygon 3
    QCOMPARE(h.view.altText, QStringLiteral("P3"));
    h.session.AltEdited("P3x");
    QCOMPARE(h.map().box(2).url, QStringLiteral("b2x"));
    QCOMPARE(h.map().box(2).alt, QString());
    QCOMPARE(h.map().polygon(3).url, QStringLiteral("p3"));
    QCOMPARE(h.map().polygon(3).alt, QStringLiteral("P3x"));
    // With an empty URL the box is still enabled for typing.
    QVERIFY(h.Play("press 21,11; release"));
    QVERIFY(h.view.panelEnabled);
    QCOMPARE(h.view.altText, QString());
}

void AreaOperationsTest::textsReachTheHtmlUnchanged_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("quotes and ampersands") << QStringLiteral("a\"b&c<d>'e");
    QTest::newRow("emoji") << QStringLiteral("🗺️ 👩🏽‍💻");
    QTest::newRow("right-to-left") << QStringLiteral("שלום عربي");
    QTest::newRow("combining marks") << QStringLiteral("e\u0301 a\u0308\u0323");
    QTest::newRow("a megabyte") << QString(1 << 20, QLatin1Char('x'));
    QTest::newRow("NUL and line breaks") << QStringLiteral("a") + QChar(0) + QStringLiteral("b\r\nc");
}

void AreaOperationsTest::textsReachTheHtmlUnchanged()
{
    QFETCH(QString, text);
    EditorHarness h;
    QVERIFY(h.Play("box 0,0,10,10; press 5,5; release"));
    h.session.HrefEdited(text);
    h.session.AltEdited(text + text);
    QCOMPARE(GenerateImagemapHtml(h.map(), "m"),
        "<map name=\"m\">\r\n<area href=\"" + text + "\" alt=\"" + text + text + "\" coords=\"0,0,10,10\">\r\n</map>");
}

QTEST_GUILESS_MAIN(AreaOperationsTest)
#include "tst_area_operations.moc"
