#include "check/MapChecks.h"
#include "check/PageChecks.h"
#include "html/PageReader.h"
#include "map/ImageMap.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kRemedy = QStringLiteral(" (Copy escaped in the Output window keeps it)");

// A map "m" on a 100 x 100 picture, unless the page says otherwise.
QByteArray pageOf(const QByteArray& html)
{
    if (html.startsWith("<area"))
        return "<img src=p.png width=100 height=100 usemap=#m><map name=m>" + html + "</map>";
    return html;
}

QStringList linesOf(const PageProblems& problems)
{
    QStringList lines;
    for (const PageProblem& problem : problems)
        lines << problemSubject(problem.mapName, problem.area) + ": " + problem.message;
    return lines;
}

Area linkedArea(const QString& href, const QString& alt)
{
    Area area = Area::rectangle({ 10, 10, 20, 20 });
    area.setAttribute(QLatin1String("href"), href);
    area.setAttribute(QLatin1String("alt"), alt);
    return area;
}

} // namespace

class ChecksTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    PageProblems problemsOf(const QByteArray& html)
    {
        QFile file(m_dir.filePath("page.html"));
        if (!file.open(QIODevice::WriteOnly) || file.write(pageOf(html)) < 0)
            return {};
        file.close();
        return checkPage(readAnyPage(file.fileName()));
    }

private slots:
    void initTestCase() { QVERIFY(QImage(100, 60, QImage::Format_RGB32).save(m_dir.filePath("wide.png"))); }

    // Each check with pages that trigger it and pages that must not; an area is written
    // "<area ...>" for a map "m" on a 100 x 100 picture.
    void pages_data()
    {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QStringList>("problems");
        const auto row = [](const char* name, const char* html, QStringList problems = {}) {
            QTest::newRow(name) << QByteArray(html) << problems;
        };
        row("a clean page",
            "<area href=a alt=A coords=0,0,10,10><area href=b alt=B shape=circle coords=50,50,10>"
            "<area href=c alt=C shape=poly coords=90,90,99,90,99,99>");
        row("no map at all", "<p>Hello");

        row("map without a name", "<img src=p.png usemap=#><map name=''><area nohref coords=0,0,9,9></map>",
            { "map \"\": the picture “p.png” has usemap=\"#\", but no map of this page has that name: browsers show "
              "it without areas",
                "map \"\": the map has no name: a picture's usemap=\"#\" finds no map, so none of its areas works" });
        row("name with a space", "<img src=p.png usemap='#a b'><map name='a b'><area nohref coords=0,0,9,9></map>",
            { "map \"a b\": its name holds a space, which HTML does not allow: validators reject the page, and a "
              "usemap that writes the space as %20 finds no map" });
        row("name starting with #", "<img src=p.png usemap='#x'><map name='#x'><area nohref coords=0,0,9,9></map>",
            { "map \"#x\": its name starts with “#”, which some browsers drop and others keep: no usemap finds it in "
              "all of them; name it “x”" });
        row("name used twice", "<img src=p.png usemap=#m><map name=m></map>\n<map name=m></map><map id=n></map>",
            { "map \"m\": the map on line 1 has the same name: browsers give every picture that one, never this "
              "one" });
        row("usemap without #", "<img src=p.png usemap=m><map name=m></map>",
            { "map \"m\": the picture “p.png” has usemap=\"m\" without “#”: browsers show it without areas" });
        row("usemap naming a map by its id", "<img src=p.png usemap=#i><map id=i></map>");

        row("no pixel: a click without a drag, radius 0, one point, too few numbers",
            "<area nohref coords=20,20,20,20><area nohref shape=circle coords=5,5,0><area nohref shape=poly "
            "coords=1,2><area nohref coords=1,2,3><area nohref shape=circle coords=5,5,0.01>",
            { "map \"m\", area 1: its corners are one point (20, 20): browsers give it no pixel",
                "map \"m\", area 2: its radius is 0: browsers give it no pixel",
                "map \"m\", area 3: a polygon needs 3 corners and it has 1: browsers give it no pixel",
                "map \"m\", area 4: a rectangle needs 4 coordinates and it has 3: browsers give it no pixel",
                "map \"m\", area 5: its radius 0.01 is under 1/64 pixel: browsers give it no pixel" });
        row("lines and shapes between whole pixels",
            "<area nohref coords=10,10,30,10><area nohref shape=poly coords=0,0,5,5,9,9><area nohref "
            "coords=10.2,10.2,10.8,10.8><area nohref shape=poly coords=0,0,9,0,9,9,0,0,9,0,9,9>",
            { "map \"m\", area 1: it has no height: browsers take a click only on its two end corners",
                "map \"m\", area 2: its corners lie on one line: browsers take a click only on the line's ends",
                "map \"m\", area 3: it encloses no whole pixel: browsers give it no pixel",
                "map \"m\", area 4: it encloses no whole pixel: browsers give it no pixel" });
        row("small but whole", "<area nohref coords=5,5,6,6><area nohref shape=circle coords=50,50,1>");

        row("outside the picture",
            "<area nohref coords=-50,-50,-10,-10><area nohref coords=100,0,300,10><area nohref shape=circle "
            "coords=120,120,28>",
            { "map \"m\", area 1: it lies wholly outside the 100 × 100 picture: browsers give it no pixel",
                "map \"m\", area 2: it lies wholly outside the 100 × 100 picture: browsers give it no pixel",
                "map \"m\", area 3: it lies wholly outside the 100 × 100 picture: browsers give it no pixel" });
        row("touching the picture's last pixel",
            "<area nohref coords=99,0,150,10><area nohref shape=circle coords=120,120,29.8>");
        row("picture of unknown size: only the negative side is outside",
            "<map name=m><area nohref coords=500,500,600,600><area nohref coords=-9,-9,-1,-1></map>",
            { "map \"m\", area 2: it lies wholly above or left of the picture: browsers give it no pixel" });
        row("picture 50 px wide as the img shows it",
            "<img src=p.png width=50 height=100 usemap=#m><map name=m>"
            "<area nohref coords=60,0,70,10></map>",
            { "map \"m\", area 1: it lies wholly outside the 50 × 100 picture: browsers give it no pixel" });
        row("a 100 x 60 picture shown 50 wide",
            "<img src=wide.png width=50px usemap=#m><map name=m>"
            "<area nohref coords=0,31,10,40><area nohref coords=0,0,9,9></map>",
            { "map \"m\", area 1: it lies wholly outside the 50 × 30 picture: browsers give it no pixel" });
        row("a picture as wide as the page around it: size unknown",
            "<img src=wide.png width=50% usemap=#m><map name=m><area nohref coords=200,0,210,10></map>");

        row("behind one area, behind two, a circle in a rectangle",
            "<area nohref coords=0,0,50,50><area nohref coords=10,10,20,20><area nohref coords=60,0,80,20>"
            "<area nohref coords=80,0,99,20><area nohref coords=70,5,90,15><area nohref shape=circle coords=25,25,25>",
            { "map \"m\", area 2: no click can reach it: area 1, before it in the map, takes all of it",
                "map \"m\", area 5: no click can reach it: areas 3, 4, before it in the map, take all of it",
                "map \"m\", area 6: no click can reach it: area 1, before it in the map, takes all of it" });
        row("partly covered, or covered only by areas after it",
            "<area nohref coords=10,10,20,20><area nohref coords=0,0,50,50><area nohref coords=40,40,60,60>"
            "<area nohref shape=poly coords=0,0,60,0,0,60><area nohref shape=circle coords=25,25,35>");
        row("a default area first takes what the others leave",
            "<area nohref shape=default><area nohref coords=0,0,99,99><area nohref coords=0,0,9,9>",
            { "map \"m\", area 1: no click can reach it: a default area takes only what the others leave, and "
              "area 2 takes all of the picture",
                "map \"m\", area 3: no click can reach it: area 2, before it in the map, takes all of it" });
        row("a second default area hides everything after it",
            "<area nohref shape=default><area nohref coords=0,0,50,50><area nohref shape=default><area nohref "
            "coords=60,60,70,70>",
            { "map \"m\", area 1: no click can reach it: a default area takes only what the others leave, and "
              "area 3 takes all of the picture",
                "map \"m\", area 4: no click can reach it: area 3, before it in the map, takes all of it" });
        row("a default area with room left", "<area nohref coords=0,0,98,99><area nohref shape=default>");

        row("links without alt",
            "<area href=a.html coords=0,0,9,9><area href='' alt=' ' coords=10,0,19,9><area href=b.html alt='' "
            "coords=20,0,29,9>",
            { "map \"m\", area 1: its link to “a.html” has no alt text: screen readers can only read out the "
              "address, and accessibility checkers fail the page",
                "map \"m\", area 2: its link has no alt text: screen readers cannot tell where it goes, and "
                "accessibility checkers fail the page",
                "map \"m\", area 3: its link to “b.html” has no alt text: screen readers can only read out the "
                "address, and accessibility checkers fail the page" });
        row("alt that HTML accepts",
            "<area href=a alt='' coords=0,0,9,9><area href=a alt=A coords=10,0,19,9><area href=b aria-label=B "
            "coords=20,0,29,9><area nohref coords=30,0,39,9><area coords=40,0,49,9><area href=c nohref "
            "coords=50,0,59,9>");

        row("coords browsers read differently",
            "<area nohref coords='60,60,70%,80%'><area nohref coords=10.001,0,20,20><area nohref "
            "coords=0,0,40000,10>",
            { "map \"m\", area 1: browsers read its coordinate “70%” as 70 pixels, not as a share of the picture",
                "map \"m\", area 2: browsers read its coordinate 10.001 as 10: they place areas in steps of 1/64 "
                "pixel",
                "map \"m\", area 3: Korvel cannot show it (its coordinate 40000 lies outside the range -32768 to "
                "32767), but browsers use it" });
        row("coords read the same",
            "<area nohref coords=0,0,20.001,20><area nohref coords=12px,30,1e1,35><area nohref "
            "coords=10.5,40.25,15,45>");
    }

    void pages()
    {
        QFETCH(QByteArray, html);
        QTEST(linesOf(problemsOf(html)), "problems");
    }

    // Generate's literal text, read back as browsers read it.
    void generatedText_data()
    {
        QTest::addColumn<QString>("alt");
        QTest::addColumn<QString>("problem");
        QTest::newRow("a quote ends the value and the tag")
            << "12\" > 6\" monitor"
            << "Generate's text changes its alt “12\" > 6\" monitor”: browsers read “12”, and lose its coords, "
               "so it has no pixel";
        QTest::newRow("a quote ends the value")
            << "Tom & Jerry \"quoted\""
            << "Generate's text changes its alt “Tom & Jerry \"quoted\"”: browsers read “Tom & Jerry ”";
        QTest::newRow("named reference without ;") << "&copy 2024"
                                                   << "Generate's text changes its alt “&copy 2024”: browsers read “© "
                                                      "2024”";
        QTest::newRow("references") << "&amp; &#65;"
                                    << "Generate's text changes its alt “&amp; &#65;”: browsers read “& A”";
        QTest::newRow("carriage return") << "a\rb"
                                         << "Generate's text changes its alt “a\\rb”: browsers read “a\\nb”";
        QTest::newRow("markup inside quotes is text") << "<b>a</b> < b > c"
                                                      << "";
        QTest::newRow("& that is no reference") << "AT&T, a & b, &;, &zz;, a=1&copy=2"
                                                << "";
    }

    void generatedText()
    {
        QFETCH(QString, alt);
        ImageMap map;
        map.setName("m");
        map.append(linkedArea("x.html", alt));
        QStringList found;
        for (const MapProblem& problem : checkMap(map, MapCheckOptions { QSize(100, 100) }))
            found << problem.message;
        QFETCH(QString, problem);
        QCOMPARE(found.join('|'), problem.isEmpty() ? problem : problem + kRemedy);
    }

    // The map's name in Generate's text, and texts that only a page's reader could have read
    // as they are: a page's map is not checked for Generate's text.
    void generatedName()
    {
        ImageMap map;
        map.setName("a\"b");
        map.append(linkedArea("x.html?lang=en&copy", "A"));
        const MapProblems problems = checkMap(map, MapCheckOptions { QSize(100, 100) });
        QCOMPARE(problems.size(), size_t(2));
        QCOMPARE(problems[0].message, "Generate's text changes the map's name “a\"b”: browsers read “a”" + kRemedy);
        QCOMPARE(problems[1].message,
            "Generate's text changes its href “x.html?lang=en&copy”: browsers read “x.html?lang=en©”" + kRemedy);
        MapCheckOptions page { QSize(100, 100) };
        page.generated = false;
        QVERIFY(checkMap(map, page).empty());
    }

    // Huge maps are checked in bounded time, and what the pixel tests' budget cannot settle is
    // not reported: here whether copies of a polygon of 4,000 corners, each a pixel further
    // right, hide each other (each leaves a strip of one pixel). A copy of the first is still
    // found behind it.
    void budget()
    {
        ImageMap map;
        map.setName("m");
        for (int copy = 0; copy < 100; ++copy) {
            std::vector<Vertex> round;
            for (int i = 0; i < 4000; ++i)
                round.push_back({ int16_t(15000 + copy + 10000 * std::cos(i * M_PI / 2000)),
                    int16_t(15000 + 10000 * std::sin(i * M_PI / 2000)) });
            Area area = Area::polygon(round);
            area.removeAttribute(QLatin1String("href"));
            map.append(area);
        }
        map.append(map.at(0));
        QElapsedTimer timer;
        timer.start();
        const MapProblems problems = checkMap(map, MapCheckOptions { QSize(30000, 30000) });
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(problems.size(), size_t(1));
        QCOMPARE(problems.front().area, 100);
        QCOMPARE(problems.front().message, "no click can reach it: area 1, before it in the map, takes all of it");
    }
};

QTEST_GUILESS_MAIN(ChecksTest)
#include "tst_checks.moc"
