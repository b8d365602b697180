#include "document/DocumentInvariants.h"
#include "document/ImagemapDocument.h"
#include "document/Numbers.h"
#include "support/DocumentBuilders.h"

#include <QtTest>

#include <functional>

using Corruption = std::function<void(ImagemapDocument&)>;
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
    void invariantsHoldForASoundDocument();
    void invariantsCatchCorruption_data();
    void invariantsCatchCorruption();
    void documentsCompareByValue();
};

namespace {

// Three boxes, the second selected, and two polygons, one still open.
ImagemapDocument SoundDocument()
{
    ImagemapDocument doc;
    AddTestBox(doc, 10, 10, 20, 20);
    AddTestBox(doc, 40, 10, 20, 20, kCircleShape);
    AddTestBox(doc, 70, 10, 20, 20);
    SelectTestBox(doc, 2);
    AddTestPolygon(doc, { { 0, 0 }, { 10, 0 }, { 5, 8 } });
    AddTestPolygon(doc, { { 50, 50 }, { 60, 50 } }, false);
    doc.buildingPoly = 2;
    return doc;
}

} // namespace

void DocumentTest::startsEmpty()
{
    const ImagemapDocument doc;
    QCOMPARE(doc.toolMode, ToolMode::Arrow);
    QCOMPARE(ToolModeName(doc.toolMode), QStringLiteral("arrow"));
    QCOMPARE(doc.boxCount, int16_t(0));
    QCOMPARE(doc.polyCount, int16_t(0));
    QCOMPARE(doc.selBox + doc.selPoly, 0);
    QCOMPARE(doc.clipKind, AreaKind::None);
    QCOMPARE(doc.Shape.size(), size_t(1)); // the clipboard slot exists from the start
    QVERIFY(!doc.Shape[0].Visible);
    QVERIFY(doc.boxUrl.empty() && doc.polygons.empty()); // lists come with the first GrowAreaArrays
    QVERIFY(DocumentInvariantViolations(doc).isEmpty());
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
    ImagemapDocument doc;
    doc.boxCount = 3;
    GrowAreaArrays(doc, true);
    QCOMPARE(doc.boxUrl.size(), size_t(5));
    QCOMPARE(doc.polygons.size(), size_t(0)); // the other kind is not touched
    doc.boxUrl = { "clip", "a", "b", "c", "old spare" };

    doc.boxCount = 2; // the last area leaves; its text stays in the new spare element
    GrowAreaArrays(doc, true);
    QCOMPARE(doc.boxUrl, std::vector<QString>({ "clip", "a", "b", "c" }));

    doc.boxCount = 3;
    GrowAreaArrays(doc, true);
    QCOMPARE(doc.boxUrl, std::vector<QString>({ "clip", "a", "b", "c", "" }));

    doc.polyCount = 1;
    GrowAreaArrays(doc, false);
    QCOMPARE(doc.polygons.size(), size_t(3));
    QCOMPARE(doc.polyUrl.size(), size_t(3));
    QCOMPARE(doc.polygons[2].vertexCount, int16_t(0));
    QVERIFY(doc.polygons[2].vertexX.empty());
}

void DocumentTest::loadedElementCopiesElementZero()
{
    ImagemapDocument doc;
    doc.Shape[0] = BoxArea { 5, 6, 7, 8, kCircleShape, NormalColour, false, 2 };
    const int16_t index = LoadShape(doc);
    QCOMPARE(index, int16_t(1));
    BoxArea expected = doc.Shape[0];
    QCOMPARE(doc.Shape[1], expected);
    QVERIFY(!doc.Shape[1].Visible);
    UnloadShape(doc);
    UnloadShape(doc); // element 0 is never unloaded
    QCOMPARE(doc.Shape.size(), size_t(1));
}

void DocumentTest::countsStopAtTheLimit()
{
    ImagemapDocument doc;
    for (int i = 0; i < kMaxAreasPerKind; ++i)
        QVERIFY(AddBoxElement(doc) != 0);
    for (int i = 0; i < kMaxAreasPerKind; ++i)
        QVERIFY(AddPolygonRecord(doc) != 0);
    QCOMPARE(doc.boxCount, kMaxAreasPerKind);
    QCOMPARE(doc.boxUrl.size(), size_t(32768)); // 0..32767: the whole 16-bit index range

    const ImagemapDocument full = doc;
    QCOMPARE(AddBoxElement(doc), int16_t(0));
    QCOMPARE(AddPolygonRecord(doc), int16_t(0));
    QVERIFY(doc == full);
    QVERIFY(AreaLimitMessage(AreaKind::Box).contains("32766 rectangles and circles"));
    QVERIFY(AreaLimitMessage(AreaKind::Polygon).contains("32766 polygons"));
}

void DocumentTest::invariantsHoldForASoundDocument()
{
    ImagemapDocument doc = SoundDocument();
    QCOMPARE(DocumentInvariantViolations(doc), QStringList());
    // A box being stretched keeps element 0's colour until its release selects it.
    AddTestBox(doc, 1, 1, 0, 0);
    doc.Shape[4].BorderColor = DefaultWindowTextColour;
    doc.drawingBox = 4;
    QCOMPARE(DocumentInvariantViolations(doc), QStringList());
}

void DocumentTest::invariantsCatchCorruption_data()
{
    QTest::addColumn<Corruption>("corrupt");
    QTest::addColumn<QString>("expected");
    QTest::newRow("count without element") << Corruption([](auto& d) { d.boxCount = 4; }) << "Shape has 4 elements";
    QTest::newRow("hidden box") << Corruption([](auto& d) { d.Shape[1].Visible = false; }) << "box 1 is hidden";
    QTest::newRow("visible clipboard") << Corruption([](auto& d) { d.Shape[0].Visible = true; }) << "Shape(0)";
    QTest::newRow("negative size") << Corruption([](auto& d) { d.Shape[3].Height = -1; }) << "negative size";
    QTest::newRow("two magenta boxes") << Corruption([](auto& d) { d.Shape[1].BorderColor = SelectedColour; })
                                       << "box 1 has the wrong border colour";
    QTest::newRow("grey selection") << Corruption([](auto& d) { d.Shape[2].BorderColor = NormalColour; })
                                    << "box 2 has the wrong border colour";
    QTest::newRow("both kinds selected") << Corruption([](auto& d) { d.selPoly = 1; }) << "both";
    QTest::newRow("selection past the end") << Corruption([](auto& d) { d.selPoly = 3; }) << "selPoly 3";
    QTest::newRow("lists too short") << Corruption([](auto& d) { d.boxAlt.pop_back(); }) << "box texts";
    QTest::newRow("polygon lists too long") << Corruption([](auto& d) { d.polyUrl.emplace_back(); }) << "polygon lists";
    QTest::newRow("vertex arrays") << Corruption([](auto& d) { d.polygons[1].vertexCount = 9; }) << "vertex arrays";
    QTest::newRow("empty polygon") << Corruption([](auto& d) { d.polygons[2] = PolygonArea(); }) << "no vertices";
    QTest::newRow("building nothing") << Corruption([](auto& d) { d.buildingPoly = 7; }) << "buildingPoly 7";
    QTest::newRow("drawing nothing") << Corruption([](auto& d) { d.drawingBox = -1; }) << "drawingBox -1";
}

void DocumentTest::invariantsCatchCorruption()
{
    QFETCH(Corruption, corrupt);
    QFETCH(QString, expected);
    ImagemapDocument doc = SoundDocument();
    corrupt(doc);
    const QStringList violations = DocumentInvariantViolations(doc);
    QVERIFY2(violations.join('\n').contains(expected), qPrintable(violations.join('\n')));
}

void DocumentTest::documentsCompareByValue()
{
    const ImagemapDocument doc = SoundDocument();
    ImagemapDocument copy = doc;
    QVERIFY(copy == doc);
    copy.Shape[3].Left += 1;
    QVERIFY(copy != doc);
    copy = doc;
    copy.polygons[1].vertexY[2] = 1;
    QVERIFY(copy != doc);
    copy = doc;
    copy.polyAlt[3] = "spare text counts too";
    QVERIFY(copy != doc);
}

QTEST_GUILESS_MAIN(DocumentTest)
#include "tst_document.moc"
