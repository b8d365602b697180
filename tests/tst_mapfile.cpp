#include "document/DocumentInvariants.h"
#include "mapfile/AtomicFileWriting.h"
#include "mapfile/MapFileReading.h"
#include "mapfile/MapFileSaving.h"
#include "mapfile/MapPageWriter.h"
#include "mapfile/OpenedMap.h"
#include "output/HtmlGenerator.h"
#include "support/DocumentBuilders.h"

#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using MapBuilder = ImagemapDocument (*)();
Q_DECLARE_METATYPE(MapBuilder)

class MapFileTest : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void savedPage();
    void readsPages_data();
    void readsPages();
    void severalMaps();
    void areasLeftOut_data();
    void areasLeftOut();
    void areaLimitAndLongLists();
    void picture_data();
    void picture();
    void refusedFiles_data();
    void refusedFiles();
    void failedSaveKeepsOldFile();
    void saveProblemsNamed();

private:
    QTemporaryDir m_dir;
};

namespace {

const QString kAllSorts
    = QStringLiteral("Ünïcödé 北京 \U0001F600 \"quoted\" 'single' a&b &amp; <b>x</b> </map> --> \r\n\t\x01");

ImagemapDocument EmptyMap()
{
    return {};
}

ImagemapDocument TextsOfAllSorts()
{
    ImagemapDocument map;
    AddTestBox(map, 1, 2, 3, 4, kRectangleShape, kAllSorts, kAllSorts);
    AddTestPolygon(map, { { 1, 1 }, { 5, 1 }, { 3, 3 } }, true, "", " ");
    return map;
}

ImagemapDocument SixteenBitExtremes()
{
    ImagemapDocument map;
    AddTestBox(map, -32768, -32768, 65535, 65535, kRectangleShape, "r");
    AddTestBox(map, 32767, -32768, 0, 0, kCircleShape, "c");
    AddTestPolygon(map, { { -32768, 32767 }, { 32767, -32768 }, { 0, 0 } }, true, "p");
    return map;
}

ImagemapDocument ThousandsOfVertices()
{
    ImagemapDocument map;
    Vertices ring;
    for (int k = 0; k < 5000; ++k)
        ring.emplace_back(int16_t(k % 2000 - 1000), int16_t(k / 3));
    AddTestPolygon(map, ring, true, "ring");
    AddTestPolygon(map, { { 7, 8 } }, false, "still being built");
    AddTestPolygon(map, { { 1, 2 }, { 3, 4 } }, false, "open");
    return map;
}

ImagemapDocument CirclesOfAllSizes()
{
    ImagemapDocument map;
    AddTestBox(map, 10, 10, 25, 25, kCircleShape, "odd size, halves to even");
    AddTestBox(map, 0, 0, 30, 10, kCircleShape, "not square");
    AddTestBox(map, 0.5f, 1.25f, 8, 8, kCircleShape, "fractional place");
    AddTestBox(map, -1, -1, 1, 1, kCircleShape, "centre -0.5");
    AddTestBox(map, 40, 40, 0, 0, kCircleShape, "no size");
    AddTestBox(map, 100, 100, 50, 50, kCircleShape, "exact");
    return map;
}

ImagemapDocument FractionalRectangles()
{
    ImagemapDocument map;
    AddTestBox(map, 0.1f, 0.2f, 0.2f, 0.1f, kRectangleShape, "shortest texts");
    AddTestBox(map, 320.5f, 240.5f, 20, 10, kRectangleShape, "half canvas");
    AddTestBox(map, -3, 0, 3.0000002f, 1e-7f, kRectangleShape, "tiny differences");
    AddTestBox(map, 16777216, 0, 1, 0, kRectangleShape, "single precision sum");
    return map;
}

ImagemapDocument MixedOrder()
{
    ImagemapDocument map;
    AddTestPolygon(map, { { 0, 0 }, { 9, 0 }, { 9, 9 } }, true, "p1");
    AddTestBox(map, 1, 1, 2, 2, kCircleShape, "b1");
    AddTestBox(map, 3, 3, 4, 4, kRectangleShape, "b2");
    return map;
}

// The areas 1..count of both kinds, which is what the editor shows and generates.
void CompareAreas(const ImagemapDocument& actual, const ImagemapDocument& expected)
{
    QCOMPARE(actual.boxCount, expected.boxCount);
    QCOMPARE(actual.polyCount, expected.polyCount);
    for (int16_t i = 1; i <= expected.boxCount; ++i)
        QVERIFY2(actual.box(i) == expected.box(i), qPrintable(QStringLiteral("box %1").arg(i)));
    for (int16_t i = 1; i <= expected.polyCount; ++i)
        QVERIFY2(actual.polygon(i) == expected.polygon(i), qPrintable(QStringLiteral("polygon %1").arg(i)));
}

QString WriteText(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The one map of a page, opened; fails the test when the page does not hold exactly one.
OpenedMap OpenOnlyMap(const QString& path)
{
    const MapFileContents contents = ReadMapFile(path);
    if (!contents.error.isEmpty() || contents.maps.size() != 1)
        qWarning("%s: %d maps, %s", qPrintable(path), int(contents.maps.size()), qPrintable(contents.error));
    return contents.maps.size() == 1 ? OpenFoundMap(contents.maps.front()) : OpenedMap {};
}

} // namespace

void MapFileTest::roundTrip_data()
{
    QTest::addColumn<MapBuilder>("build");
    QTest::addColumn<QString>("mapName");
    QTest::newRow("empty map") << &EmptyMap << "m";
    QTest::newRow("empty name") << &MixedOrder << "";
    QTest::newRow("texts of all sorts") << &TextsOfAllSorts << kAllSorts;
    QTest::newRow("16-bit extremes") << &SixteenBitExtremes << "x";
    QTest::newRow("thousands of vertices, open polygons") << &ThousandsOfVertices << "v";
    QTest::newRow("circles") << &CirclesOfAllSizes << "c";
    QTest::newRow("fractional rectangles") << &FractionalRectangles << "r";
}

void MapFileTest::roundTrip()
{
    QFETCH(MapBuilder, build);
    QFETCH(QString, mapName);
    const ImagemapDocument before = build();
    const QString picture = WriteText(m_dir.filePath("my pic #1.png"), "not really a picture");
    const QString page = m_dir.filePath("round trip.html");
    QCOMPARE(SaveMapFile(page, before, mapName, picture, QSize(640, 480)), QString());
    const OpenedMap opened = OpenOnlyMap(page);
    QCOMPARE(opened.leftOut, QStringList());
    QCOMPARE(opened.rounded, QStringList());
    QCOMPARE(opened.mapName, mapName);
    QCOMPARE(opened.picturePath, picture);
    QVERIFY(opened.pictureExists);
    QCOMPARE(GenerateImagemapHtml(opened.map, mapName), GenerateImagemapHtml(before, mapName));
    CompareAreas(opened.map, before);
    QCOMPARE(DocumentInvariantViolations(opened.map), QStringList());
}

void MapFileTest::savedPage()
{
    ImagemapDocument map;
    AddTestBox(map, 10, 20, 100, 50, kRectangleShape, "a.html?x=1&y=2", "A \"1\"");
    AddTestBox(map, 10, 10, 25, 25, kCircleShape, "b.html", "B");
    const QString page = m_dir.filePath("saved.html");
    QCOMPARE(SaveMapFile(page, map, "m<1>", m_dir.filePath("img/p q.png"), QSize(640, 480)), QString());
    QCOMPARE(QString::fromUtf8(ReadBytes(page)),
        QStringLiteral(
            "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>m&lt;1&gt;</title>\n"
            "</head>\n<body>\n"
            "<img src=\"img/p%20q.png\" alt=\"m&lt;1&gt;\" width=\"640\" height=\"480\" usemap=\"#m&lt;1&gt;\">\n"
            "<map name=\"m&lt;1&gt;\">\n"
            "<area href=\"a.html?x=1&amp;y=2\" alt=\"A &quot;1&quot;\" coords=\"10,20,110,70\" shape=\"rect\">\n"
            "<area href=\"b.html\" alt=\"B\" coords=\"22,22,12\" shape=\"circle\" data-korvel-box=\"10,10,25,25\">\n"
            "</map>\n</body>\n</html>\n"));
}

void MapFileTest::readsPages_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("generated"); // the map opened and generated, lines joined by "|"
    QTest::newRow("upper case, unquoted, entities")
        << QByteArray("<HTML><BODY><MAP NAME=Nav><AREA SHAPE=RECT COORDS='0,0,10,10' HREF=a.html?x=1&amp;y=2 "
                      "ALT=&quot;Caf&eacute;&quot;></MAP></BODY></HTML>")
        << "<map name=\"Nav\">|<area href=\"a.html?x=1&y=2\" alt=\"\"Café\"\" coords=\"0,0,10,10\">|</map>";
    QTest::newRow("odd separators, swapped corners, shapes spelled out")
        << QByteArray("<map name=m><area coords=' 10 ;10,, 0\n0 ' href=r><area shape=CIRC coords='5 5 2' href=c>"
                      "<area shape=polygon coords='1;2;3;4;5;6;7' href=p></map>")
        << "<map name=\"m\">|<area href=\"r\" alt=\"\" coords=\"0,0,10,10\">|"
           "<area href=\"c\" alt=\"\" coords=\"5,5,2\" shape=\"circle\">|"
           "<area href=\"p\" alt=\"\" coords=\"1,2,3,4,5,6\" shape=\"poly\">|</map>";
    QTest::newRow("areas nested in the map, none outside, id as name")
        << QByteArray("<area href=outside coords=1,1,2,2><map id=byId><div><p><area href=in coords=1,2,3,4></p></div>"
                      "</map><template><map name=t><area></map></template><svg><map name=s></map></svg>")
        << "<map name=\"byId\">|<area href=\"in\" alt=\"\" coords=\"1,2,3,4\">|</map>";
    QTest::newRow("a whole web page: markup in scripts, comments and styles is text")
        << QByteArray("<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n<html lang=en><head>"
                      "<meta charset=utf-8><style>map{display:none}</style><script>var s = '<map name=fake>"
                      "<area coords=9,9,9,9></map>';</script></head><body><!-- <map name=old></map> -->"
                      "<table><tr><td><img src=nav.gif usemap=\"#nav\" border=0><map name=\"nav\">\n"
                      "  <area shape=\"rect\" coords=\"0, 0, 80, 20\" href=\"/home\" title=Home alt=\"Home\">\n"
                      "  <area nohref shape=\"circle\" coords=\"100,10,10\">\n</map></td></tr></table><p>Done")
        << "<map name=\"nav\">|<area href=\"/home\" alt=\"Home\" coords=\"0,0,80,20\">|"
           "<area href=\"\" alt=\"\" coords=\"100,10,10\" shape=\"circle\">|</map>";
    QTest::newRow("windows-1252 bytes") << QByteArray("<map name=m><area alt='caf\xe9 \x80' coords=0,0,1,1></map>")
                                        << "<map name=\"m\">|<area href=\"\" alt=\"café €\" coords=\"0,0,1,1\">|</map>";
    QStringEncoder littleEndian(QStringConverter::Utf16LE);
    QTest::newRow("UTF-16 with a byte order mark")
        << QByteArray("\xFF\xFE") + QByteArray(littleEndian.encode(u"<map name=\u00e9><area coords=1,1,2,2></map>"))
        << "<map name=\"é\">|<area href=\"\" alt=\"\" coords=\"1,1,2,2\">|</map>";
}

void MapFileTest::readsPages()
{
    QFETCH(QByteArray, page);
    QFETCH(QString, generated);
    const OpenedMap opened = OpenOnlyMap(WriteText(m_dir.filePath("page.html"), page));
    QCOMPARE(GenerateImagemapHtml(opened.map, opened.mapName).split("\r\n").join(u'|'), generated);
    QCOMPARE(DocumentInvariantViolations(opened.map), QStringList());
}

void MapFileTest::severalMaps()
{
    const MapFileContents contents = ReadMapFile(WriteText(m_dir.filePath("several.html"),
        "<!doctype html><title>t</title><p>Text<map name=one><area><area></map><MAP name=two></MAP>"
        "<map name=one><area></map>"));
    QCOMPARE(contents.error, QString());
    QStringList summary;
    for (const FoundMap& map : contents.maps)
        summary << QStringLiteral("%1:%2").arg(map.name).arg(map.areas.size());
    QCOMPARE(summary, QStringList({ "one:2", "two:0", "one:1" }));
}

void MapFileTest::areasLeftOut_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("line");
    QTest::newRow("default") << "<area shape=default href=x.html>"
                             << "area 1 (href “x.html”): its shape “default” covers the whole picture, which no "
                                "Korvel area can.";
    QTest::newRow("percent") << "<area coords='0,0,50%,100%' alt=Home>"
                             << "area 1 (alt “Home”): its coordinate “50%” is a percentage, which depends on the "
                                "size the picture is shown at.";
    QTest::newRow("too few") << "<area shape=circle coords=1,2>"
                             << "area 1 (no href): a circle needs 3 coordinates, it has 2.";
    QTest::newRow("negative radius") << "<area shape=circle coords=1,2,-3>"
                                     << "area 1 (no href): its radius -3 is negative.";
    QTest::newRow("too large for a double") << "<area coords=0,0,1e999,1>"
                                            << "area 1 (no href): its coordinate “1e999” is too large to be a "
                                               "number of pixels.";
    QTest::newRow("absurd box") << "<area coords=0,0,2e7,1>"
                                << "area 1 (no href): its coordinate 20000000 lies farther out than any picture "
                                   "reaches.";
    QTest::newRow("polygon point beyond 16 bits") << "<area shape=poly coords=0,0,32767.5,-32768>"
                                                  << "area 1 (no href): its point 2 (32767.5, -32768) lies outside "
                                                     "the range -32768 to 32767.";
    QTest::newRow("polygon without a pair") << "<area shape=poly coords=5>"
                                            << "area 1 (no href): a polygon needs at least one x,y pair of "
                                               "coordinates.";
}

void MapFileTest::areasLeftOut()
{
    QFETCH(QString, area);
    QFETCH(QString, line);
    const QString page = "<map name=m>" + area + "<area href=kept coords=1,2,3,4></map>";
    const OpenedMap opened = OpenOnlyMap(WriteText(m_dir.filePath("left out.html"), page.toUtf8()));
    QCOMPARE(opened.leftOut, QStringList { line });
    QCOMPARE(opened.map.boxCount, int16_t(1)); // the rest opens
    QCOMPARE(opened.map.box(1).url, QStringLiteral("kept"));
}

void MapFileTest::areaLimitAndLongLists()
{
    QByteArray page = "<map name=m>";
    for (int i = 0; i <= kMaxAreasPerKind; ++i)
        page += "<area coords=0,0,1,1>";
    for (int i = 0; i < 150; ++i)
        page += "<area shape=poly coords=0.5,1>";
    const OpenedMap opened = OpenOnlyMap(WriteText(m_dir.filePath("limit.html"), page + "</map>"));
    QCOMPARE(opened.map.boxCount, kMaxAreasPerKind);
    QCOMPARE(opened.map.polyCount, int16_t(150));
    QCOMPARE(opened.leftOut,
        QStringList {
            "area 32767 (no href): the map already holds 32766 rectangles and circles, the most it can hold." });
    QCOMPARE(opened.rounded.size(), kMaxListedAreaLines + 1);
    QCOMPARE(opened.rounded.last(), QStringLiteral("… and 50 more polygons rounded to whole pixels."));
    QCOMPARE(DocumentInvariantViolations(opened.map), QStringList());
}

void MapFileTest::picture_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("picture"); // relative to the test folder
    QTest::addColumn<bool>("exists");
    QTest::newRow("first picture naming the map")
        << "<img src=a.png usemap=#m><img src=b.png usemap=#m><map name=m></map>"
        << "a.png" << true;
    QTest::newRow("names compared exactly") << "<img src=a.png usemap=#M><map name=m></map><map name=M></map>"
                                            << "" << false;
    QTest::newRow("a lone map takes the lone picture") << "<img src=a.png usemap=#><map name=''></map>"
                                                       << "a.png" << true;
    QTest::newRow("text before the hash ignored") << "<img src=a.png usemap='page.html#m'><map id=m></map>"
                                                  << "a.png" << true;
    QTest::newRow("missing picture") << "<img src='gone/x%20y.png' usemap=#m><map name=m></map>"
                                     << "gone/x y.png" << false;
    QTest::newRow("page base") << "<base href=sub/><img src=c.png usemap=#m><map name=m></map>"
                               << "sub/c.png" << true;
    QTest::newRow("web picture") << "<img src=https://example.org/a.png usemap=#m><map name=m></map>"
                                 << "" << false;
}

void MapFileTest::picture()
{
    QFETCH(QString, page);
    QFETCH(QString, picture);
    QFETCH(bool, exists);
    QDir(m_dir.path()).mkpath("sub");
    WriteText(m_dir.filePath("a.png"), "a");
    WriteText(m_dir.filePath("sub/c.png"), "c");
    const MapFileContents contents = ReadMapFile(WriteText(m_dir.filePath("pictures.html"), page.toUtf8()));
    QVERIFY(!contents.maps.empty());
    const FoundMap& first = contents.maps.front();
    QCOMPARE(first.picturePath, picture.isEmpty() ? QString() : m_dir.filePath(picture));
    QCOMPARE(first.pictureExists, exists);
}

void MapFileTest::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << QByteArray() << "the file is empty.";
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                            << "it holds binary data, not the text of a page.";
    QTest::newRow("plain text") << QByteArray("Just a note.\n") << "it is not an HTML page: there is no markup in it.";
    QTest::newRow("a page without a map")
        << QByteArray("<p>Hello <img src=a.png usemap=#m>") << "there is no imagemap in it (no <map> element).";
    QTest::newRow("too large") << QByteArray("huge") << "it is 65 MB; Korvel opens pages up to 64 MB.";
}

void MapFileTest::refusedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString path = WriteText(m_dir.filePath("refused.html"), bytes);
    if (bytes == "huge")
        QVERIFY(QFile::resize(path, kMaxMapFileBytes + 1)); // sparse: nothing is written
    const MapFileContents contents = ReadMapFile(path);
    QCOMPARE(contents.error, QStringLiteral("Korvel cannot open “%1”: %2").arg(path, reason));
    QVERIFY(contents.maps.empty());
}

void MapFileTest::failedSaveKeepsOldFile()
{
    if (geteuid() == 0)
        QSKIP("Root may write into any folder, so the failure cannot be brought about.");
    QTemporaryDir dir;
    const QString page = WriteText(dir.filePath("old.html"), "the old page");
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QString error = WriteFileAtomically(page, "a new page that must not appear");
    QVERIFY(
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    QVERIFY2(error.startsWith(QStringLiteral("Korvel could not save “%1”: ").arg(page)), qPrintable(error));
    QCOMPARE(ReadBytes(page), QByteArray("the old page"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "old.html" });
}

void MapFileTest::saveProblemsNamed()
{
    const QString missing = m_dir.filePath("no such folder/map.html");
    QCOMPARE(WriteFileAtomically(missing, "x"),
        QStringLiteral("Korvel could not save “%1”: the folder “%2” does not exist.")
            .arg(missing, m_dir.filePath("no such folder")));
    QDir(m_dir.path()).mkpath("taken.html");
    QCOMPARE(WriteFileAtomically(m_dir.filePath("taken.html"), "x"),
        QStringLiteral("Korvel could not save “%1”: there is a folder of that name.")
            .arg(m_dir.filePath("taken.html")));
    const QString shorter = WriteText(m_dir.filePath("shorter.html"), "a much longer old text");
    QCOMPARE(WriteFileAtomically(shorter, "new"), QString());
    QCOMPARE(ReadBytes(shorter), QByteArray("new"));
}

QTEST_GUILESS_MAIN(MapFileTest)
#include "tst_mapfile.moc"
