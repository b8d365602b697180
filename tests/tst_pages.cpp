#include "html/MapWriter.h"
#include "html/PageArea.h"
#include "html/PageReader.h"
#include "html/PageSaving.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {

ImageMap mapOf(std::vector<Area> areas, const QString& name = "m")
{
    ImageMap map;
    map.setName(name);
    for (Area& area : areas)
        map.append(std::move(area));
    return map;
}

Area withTexts(Area area, const QString& href, const QString& alt)
{
    area.setAttribute(QLatin1String("href"), href);
    area.setAttribute(QLatin1String("alt"), alt);
    return area;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What Open makes of a page: why it is refused, or each map's name, its picture ("missing"
// when it is not there), its areas as Generate writes them and the reasons for kept areas,
// joined by "|", the folder left out of paths.
QString opened(const QString& path, const QString& folder)
{
    const PageContents contents = readPage(path);
    QStringList lines;
    for (const PageMap& page : contents.maps) {
        lines << "map " + page.map.name();
        if (!page.picturePath.isEmpty())
            lines << page.picturePath + (page.pictureExists ? "" : " missing");
        for (const Area& area : page.map.areas()) {
            QString element;
            appendAreaElement(element, area, HtmlForm::Literal);
            lines << element.mid(6).chopped(3); // without "<area " and ">\r\n"
        }
        lines << page.keptAreas;
    }
    QString text = contents.error + lines.join(u'|');
    return text.replace(folder + '/', QString())
        .replace(QStringLiteral("Korvel cannot open “page.html”: "), QStringLiteral("refused: "));
}

} // namespace

class PagesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;

    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir->filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName() : QString();
    }

private slots:
    // Pages need "." whatever the user's number format.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    // Generate: the map's order, texts as typed, rectangles never rounded, circles from the
    // width, halves to even; CR LF ("|" below).
    void generate()
    {
        const ImageMap map
            = mapOf({ withTexts(Area::polygon({ { -32768, 32767 }, { 7, 8 } }), "x.html?a=1&b=\"2\"", "<b> & </b>"),
                        Area::rectangle({ 0.1f, 0.2f, 0.2f, 0.1f }), Area::rectangle({ -15, -3.5f, 10, 2 }),
                        Area::circle({ 10, 10, 25, 25 }), Area::circle({ 11, 11, 25, 25 }),
                        withTexts(Area::circle({ 0, 0, 30, 10 }), "  ", " alt ") },
                " a\"b ");
        QCOMPARE(mapElement(map, HtmlForm::Literal),
            QString(
                "<map name=\" a\"b \">|<area href=\"x.html?a=1&b=\"2\"\" alt=\"<b> & </b>\" "
                "coords=\"-32768,32767,7,8\" shape=\"poly\">|<area href=\"\" alt=\"\" coords=\"0.1,0.2,0.3,0.3\">|"
                "<area href=\"\" alt=\"\" coords=\"-15,-3.5,-5,-1.5\">|<area href=\"\" alt=\"\" coords=\"22,22,12\" "
                "shape=\"circle\">|<area href=\"\" alt=\"\" coords=\"24,24,12\" shape=\"circle\">|<area href=\"  \" "
                "alt=\" alt \" coords=\"15,5,15\" shape=\"circle\">|</map>")
                .replace('|', "\r\n"));
    }

    // The geometry Korvel edits for an area of a page, as browsers read its coords.
    void pageGeometry()
    {
        const auto read = [](const QString& shape, const QString& coords) {
            const Area area = readPageArea({ { "coords", coords }, { "shape", shape } }).area;
            const Box& b = area.box();
            QString text
                = QString::asprintf("%g,%g %gx%g", double(b.left), double(b.top), double(b.width), double(b.height));
            if (area.shape() == AreaShape::Polygon)
                text.clear();
            for (const Vertex v : area.vertices())
                text += QString::asprintf("%d,%d ", v.x, v.y);
            return text.trimmed();
        };
        QCOMPARE(read("", "10,20,0,0,99"), "0,0 10x20"); // corners swapped
        QCOMPARE(read("CiRc", "360.5,210.5,25.5"), "335,185 51x51");
        QCOMPARE(read("circle", "5,5,0"), "5,5 0x0");
        QCOMPARE(read("polygon", "0.5;1.5;2.5;-3.5;9"), "0,2 2,-4"); // halves to even, an odd number ignored
    }

    // a.png and sub/c.png exist.
    void readsPages_data()
    {
        // "missing": no file; "folder": a folder; "huge": a sparse file one byte too large.
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("opened");
        const auto row = [](const char* name, const QByteArray& page, const char* opened) {
            QTest::newRow(name) << page << QString::fromUtf8(opened);
        };
        row("every attribute kept with its value, in its place",
            "<MAP NAME=Nav><AREA ID=a1 Class='x y' onclick=\"go(&quot;1&quot;)\" data-k=v title=T target=_blank "
            "HREF=a.html?x=1&amp;y=2 ALT=&quot;Caf&eacute;&quot; data-korvel-box=1,2,3,4 COORDS='0, 0,10,10' "
            "shape=RECT whatever></MAP>",
            "map Nav|id=\"a1\" class=\"x y\" onclick=\"go(\"1\")\" data-k=\"v\" title=\"T\" target=\"_blank\" "
            "href=\"a.html?x=1&y=2\" alt=\"\"Café\"\" coords=\"0, 0,10,10\" shape=\"RECT\" whatever=\"\"");
        row("nohref, no href, empty href; no alt, empty alt",
            "<map name=m><area nohref coords=0,0,1,1><area coords=0,0,1,1><area href='' alt coords=0,0,1,1></map>",
            "map m|nohref coords=\"0,0,1,1\"|coords=\"0,0,1,1\"|href=\"\" alt=\"\" coords=\"0,0,1,1\"");
        row("kept areas stay in their place",
            "<map name=m><area shape=DEFAULT href=x.html><area coords='0,0,50%,100%' alt=Home>"
            "<area href=y coords=1,2,3,4><area shape=circle coords=1,2></map>",
            "map m|shape=\"DEFAULT\" href=\"x.html\"|coords=\"0,0,50%,100%\" alt=\"Home\"|href=\"y\" coords=\"1,2,3,4\""
            "|shape=\"circle\" coords=\"1,2\""
            "|area 1 (href “x.html”): its shape “default” covers the whole picture, which no Korvel area can."
            "|area 2 (alt “Home”): its coordinate “50%” is a percentage, which browsers read as a number of pixels."
            "|area 4 (no href): a circle needs 3 coordinates, it has 2.");
        row("more areas it cannot edit",
            "<map name=m><area shape=' circle' coords=5,5,2><area shape=poly coords='0,0,32767.5,-32768'>"
            "<area shape=poly><area shape=circle coords=1,2,-3></map>",
            "map m|shape=\" circle\" coords=\"5,5,2\"|shape=\"poly\" coords=\"0,0,32767.5,-32768\"|shape=\"poly\""
            "|shape=\"circle\" coords=\"1,2,-3\""
            "|area 1 (no href): a rectangle needs 4 coordinates, it has 3."
            "|area 2 (no href): its coordinate 32767.5 lies outside the range -32768 to 32767."
            "|area 3 (no href): a polygon needs at least one x,y pair of coordinates."
            "|area 4 (no href): its radius -3 is negative.");
        row("areas nested in the map, none outside, id as name",
            "<area href=outside coords=1,1,2,2><map id=byId><div><p><area href=in coords=1,2,3,4></p></div>"
            "</map><template><map name=t><area></map></template><svg><map name=s></map></svg>",
            "map byId|href=\"in\" coords=\"1,2,3,4\"");
        row("a whole web page: markup in scripts, comments and styles is text",
            "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n<html lang=en><head>"
            "<meta charset=utf-8><style>map{display:none}</style><script>var s = '<map name=fake>"
            "<area coords=9,9,9,9></map>';</script></head><body><!-- <map name=old></map> -->"
            "<table><tr><td><img src=a.png usemap=\"#nav\" border=0><map name=\"nav\">\n"
            "  <area shape=\"rect\" coords=\"0,0,80,20\" href=\"/home\">\n</map></td></tr></table><p>Done",
            "map nav|a.png|shape=\"rect\" coords=\"0,0,80,20\" href=\"/home\"");
        row("windows-1252 bytes", "<map name=m><area alt='caf\xe9 \x80'></map>",
            "map m|alt=\"café €\"|area 1 (alt “café €”): a rectangle needs 4 coordinates, it has 0.");
        QStringEncoder littleEndian(QStringConverter::Utf16LE);
        row("UTF-16 with a byte order mark",
            QByteArray("\xFF\xFE") + QByteArray(littleEndian.encode(u"<map name=\u00e9></map>")), "map é");
        // Each map's picture is the first that names it exactly, after its "#", when it is a local file.
        row("pictures of maps",
            "<img src=a.png usemap=#M><img src=b usemap=#M><img src=' \tgone\\x%20y.png?v=2#top\n' "
            "usemap='page.html#g'>"
            "<img src=https://example.org/x.png usemap=#w><img src='  ' usemap=#n><map name=m></map><map name=M></map>"
            "<map id=g></map><map name=w></map><map name=n></map>",
            "map m|map M|a.png|map g|gone/x y.png missing|map w|map n");
        row("page base", "<base href=sub/><img src=c.png usemap=#m><map name=m></map>", "map m|sub/c.png");
        row("web base", "<base href=https://example.org/><img src=a.png usemap=#b><map name=b></map>", "map b");
        row("missing", "missing", "refused: there is no such file.");
        row("folder", "folder", "refused: it is a folder, not a page.");
        row("empty", "", "refused: the file is empty.");
        row("binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
            "refused: it holds binary data, not the text of a page.");
        row("plain text", "Just a note.\n", "refused: it is not an HTML page: there is no markup in it.");
        row("no map", "<p>Hello <img src=a.png usemap=#m>", "refused: there is no imagemap in it (no <map> element).");
        row("too large", "huge", "refused: it is 65 MB; Korvel opens pages up to 64 MB.");
    }

    void readsPages()
    {
        QFETCH(QByteArray, page);
        QDir(m_dir->path()).mkpath("sub");
        write("a.png", "a");
        write("sub/c.png", "c");
        const QString path = m_dir->filePath("page.html");
        if (page == "folder")
            QDir(m_dir->path()).mkpath("page.html");
        else if (page != "missing")
            write("page.html", page);
        if (page == "huge")
            QVERIFY(QFile::resize(path, kMaxPageBytes + 1));
        QTEST(opened(path, m_dir->path()), "opened");
    }

    // Areas past the most a map or a polygon holds are kept too, and named.
    void fullMap()
    {
        QByteArray page = "<map name=m>" + QByteArray("<area coords=0,0,1,1>").repeated(kMaxAreasPerKind + 1);
        page += "<area shape=poly coords=1,2><area shape=poly coords=" + QByteArray("1,2,").repeated(32768) + ">";
        const PageContents contents = readPage(write("full.html", page + "</map>"));
        QCOMPARE(contents.maps.size(), size_t(1));
        const PageMap& full = contents.maps.front();
        QCOMPARE(full.map.count(), kMaxAreasPerKind + 3);
        QCOMPARE(full.map.at(kMaxAreasPerKind).shape(), AreaShape::Kept);
        QCOMPARE(full.map.polygonCount(), 1);
        QCOMPARE(full.keptAreas,
            QStringList(
                { "area 32767 (no href): the map already holds 32766 rectangles and circles, the most it can hold.",
                    "area 32769 (no href): it has 32768 points, and a polygon holds at most 32767." }));
    }

    // Open, then Save: every value escaped, kept areas in their place, the page's coords as they
    // came, a new area's from its geometry; Save, Open, Save gives the same bytes.
    void savedPage()
    {
        write("p q.png", "picture");
        const QString page = write("page.html",
            "<img src='p%20q.png' usemap=#m&lt;1&gt;><map name='m<1>'><area nohref title='T \"1\"' shape=circ "
            "coords=\" 360.5, 210.5,25.5 \"><area shape=default href=x.html alt=''><area coords='0,0,1,1&quot;' "
            "href='a.html?x=1&amp;y=2' alt='A&#13;\n\t&#1;&#127;&#128;&#x1F600;'></map>");
        PageContents contents = readPage(page);
        QCOMPARE(contents.maps.size(), size_t(1));
        ImageMap map = contents.maps.front().map;
        map.append(withTexts(Area::circle({ 10, 10, 25, 25 }), "b.html", "B"));
        const QString saved = m_dir->filePath("saved.html");
        QCOMPARE(savePage(saved, map, contents.maps.front().picturePath, QSize(640, 480)), QString());
        const QByteArray bytes = bytesOf(saved);
        QCOMPARE(QString::fromUtf8(bytes),
            QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>m&lt;1&gt;</title>\n"
                           "</head>\n<body>\n<img src=\"p%20q.png\" alt=\"m&lt;1&gt;\" width=\"640\" height=\"480\" "
                           "usemap=\"#m&lt;1&gt;\">\n<map name=\"m&lt;1&gt;\">\n"
                           "<area nohref title=\"T &quot;1&quot;\" shape=\"circ\" coords=\" 360.5, 210.5,25.5 \">\n"
                           "<area shape=\"default\" href=\"x.html\" alt=\"\">\n"
                           "<area coords=\"0,0,1,1&quot;\" href=\"a.html?x=1&amp;y=2\" "
                           "alt=\"A&#13;\n\t&#1;&#127;\u20AC\U0001F600\">\n"
                           "<area href=\"b.html\" alt=\"B\" coords=\"22,22,12\" shape=\"circle\">\n"
                           "</map>\n</body>\n</html>\n"));
        contents = readPage(saved);
        QCOMPARE(
            savePage(saved, contents.maps.front().map, contents.maps.front().picturePath, QSize(640, 480)), QString());
        QCOMPARE(bytesOf(saved), bytes);
    }

    // A write cut short leaves the old file as it was: the process may not write files beyond
    // 16 bytes, even as root.
    void failedSaves()
    {
        const QString page = write("page.html", "the old page");
        rlimit limit {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit unlimited = limit;
        limit.rlim_cur = 16;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const QString failure = savePage(page, mapOf({}), QString());
        setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(failure, "Korvel could not save “" + page + "”: file too large.");
        QCOMPARE(bytesOf(page), QByteArray("the old page"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList { "page.html" });
    }
};

QTEST_GUILESS_MAIN(PagesTest)
#include "tst_pages.moc"
