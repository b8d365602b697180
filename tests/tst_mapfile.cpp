#include "document/DocumentInvariants.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MapFileActions.h"
#include "mapfile/MapFileReading.h"
#include "mapfile/MapFileSaving.h"
#include "mapfile/OpenedMap.h"
#include "output/HtmlGenerator.h"
#include "support/DocumentBuilders.h"
#include "support/ModalAnswer.h"
#include "support/PictureCorpus.h"
#include "support/PictureWait.h"
#include "support/ScriptedFileDialog.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

Q_DECLARE_METATYPE(ImagemapDocument)

namespace {

const QString kAllSorts
    = QStringLiteral("Ünïcödé 北京 \U0001F600 \"quoted\" 'single' a&b &amp; <b>x</b> </map> --> \r\n\t\x01");

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What Open makes of page.html: why it is refused, or each map's picture ("missing" when it is
// not there), generated HTML and the areas it left out; lines joined by "|", the folder left out
// of paths.
QString Opened(const QString& path, const QString& folder)
{
    const MapFileContents contents = ReadMapFile(path);
    QStringList lines;
    for (const FoundMap& found : contents.maps) {
        const OpenedMap opened = OpenFoundMap(found);
        if (!opened.picturePath.isEmpty())
            lines << opened.picturePath + (opened.pictureExists ? "" : " missing");
        lines << GenerateImagemapHtml(opened.map, opened.mapName).split("\r\n");
        lines << opened.leftOut << opened.rounded;
        if (!DocumentInvariantViolations(opened.map).isEmpty())
            lines << "broken";
    }
    // Shorter: "map m|href alt text x,y,... shape", with empty alt texts, "rect" and "</map>" left out.
    QString opened = contents.error + lines.join(u'|');
    for (const auto& [from, to] : { std::pair { "<map name=\"", "map " }, { "<area href=\"", "" },
             { "\" alt=\"\" coords=\"", " " }, { "\" alt=\"", " alt " }, { "\" coords=\"", " " },
             { "\" shape=\"", " " }, { "\">", "" }, { "|</map>", "" } })
        opened.replace(QLatin1String(from), QLatin1String(to));
    return opened.replace(folder + '/', QString())
        .replace(QStringLiteral("Korvel cannot open “page.html”: "), QStringLiteral("refused: "));
}

QString Generated(MainForm& form)
{
    return GenerateImagemapHtml(form.editor().map, form.Controls().MapNameText->text());
}

// A map with every kind of area and texts that need escaping in a web page, as an edit leaves it.
void DrawSomething(MainForm& form)
{
    form.Session().Apply([](Editor& e) {
        AddTestBox(e.map, 10.5f, 20, 100, 50, kRectangleShape, "a.html?x=1&y=\"2\"", "<b>Bold</b> 🗺️");
        AddTestBox(e.map, 200, 100, 41, 30, kCircleShape, "שלום", "e\u0301");
        AddTestPolygon(e.map, { { -32768, 32767 }, { 60, 5 }, { 30, 50 } }, true, "p.html", "");
        AddTestPolygon(e.map, { { 1, 2 }, { 3, 4 } }, false);
    });
    form.Controls().MapNameText->setText("the \"map\"");
    form.UndoStack().push(new QUndoCommand);
}

} // namespace

// Map pages: reading and writing them, then the main window's Save and Open and its question
// before losing work.
class MapFileTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;

    QString Write(const QString& name, const QByteArray& bytes) { return WriteFile(m_dir->filePath(name), bytes); }
    QString Picture(const QString& name) { return Write(name, Encoded(Noise(32, 24), "png")); }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void saveThenOpenGivesTheSameMap_data()
    {
        QTest::addColumn<ImagemapDocument>("map");
        QTest::addColumn<QString>("mapName");
        ImagemapDocument texts, geometry, vertices;
        AddTestBox(texts, 1, 2, 3, 4, kRectangleShape, kAllSorts, kAllSorts);
        AddTestPolygon(texts, { { 1, 1 }, { 5, 1 }, { 3, 3 } }, true, "", " ");
        // Drawn before the boxes, written after them, opened as drawn.
        AddTestPolygon(geometry, { { -32768, 32767 }, { 32767, -32768 }, { 0, 0 } }, true, "p");
        AddTestBox(geometry, -32768, -32768, 65535, 65535, kRectangleShape, "16-bit extremes");
        AddTestBox(geometry, 32767, -32768, 0, 0, kCircleShape, "no size");
        AddTestBox(geometry, 10, 10, 25, 25, kCircleShape, "odd size, halves to even");
        AddTestBox(geometry, 0, 0, 30, 10, kCircleShape, "not square");
        AddTestBox(geometry, 0.5f, 1.25f, 8, 8, kCircleShape, "fractional place");
        AddTestBox(geometry, -1, -1, 1, 1, kCircleShape, "centre -0.5");
        AddTestBox(geometry, 0.1f, 0.2f, 0.2f, 0.1f, kRectangleShape, "shortest texts");
        AddTestBox(geometry, -3, 0, 3.0000002f, 1e-7f, kRectangleShape, "tiny differences");
        AddTestBox(geometry, 16777216, 0, 1, 0, kRectangleShape, "single precision sum");
        Vertices ring;
        for (int k = 0; k < 5000; ++k)
            ring.emplace_back(int16_t(k % 2000 - 1000), int16_t(k / 3));
        AddTestPolygon(vertices, ring, true, "ring");
        AddTestPolygon(vertices, { { 7, 8 } }, false, "still being built");
        AddTestPolygon(vertices, { { 1, 2 }, { 3, 4 } }, false, "open");
        QTest::newRow("empty map") << ImagemapDocument() << "m";
        QTest::newRow("texts of all sorts") << texts << kAllSorts;
        QTest::newRow("geometry of all sorts, no name") << geometry << "";
        QTest::newRow("thousands of vertices, open polygons") << vertices << "v";
    }

    void saveThenOpenGivesTheSameMap()
    {
        QFETCH(ImagemapDocument, map);
        QFETCH(QString, mapName);
        // Characters a URL must encode, ":" first of all, which would otherwise start a scheme.
        const QString picture = Write("a:b #1?%&K\u00e4se.png", "not really a picture");
        const QString page = m_dir->filePath("round trip.html");
        QCOMPARE(SaveMapFile(page, map, mapName, picture, QSize(640, 480)), QString());
        const MapFileContents contents = ReadMapFile(page);
        QCOMPARE(int(contents.maps.size()), 1);
        const OpenedMap opened = OpenFoundMap(contents.maps.front());
        QCOMPARE(opened.leftOut + opened.rounded, QStringList());
        QCOMPARE(opened.mapName, mapName);
        QCOMPARE(opened.picturePath, picture);
        QVERIFY(opened.pictureExists);
        QCOMPARE(GenerateImagemapHtml(opened.map, mapName), GenerateImagemapHtml(map, mapName));
        QCOMPARE(opened.map.boxCount + opened.map.polyCount, map.boxCount + map.polyCount);
        // Exactly, not only as the generated HTML rounds them.
        for (int16_t i = 1; i <= map.boxCount; ++i)
            QVERIFY2(opened.map.box(i) == map.box(i), qPrintable(map.box(i).url));
        for (int16_t i = 1; i <= map.polyCount; ++i)
            QVERIFY2(opened.map.polygon(i) == map.polygon(i), qPrintable(map.polygon(i).url));
        QCOMPARE(DocumentInvariantViolations(opened.map), QStringList());
    }

    // Carriage returns and other controls are written as references; what HTML cannot carry
    // (NUL, C1 controls, unpaired surrogates) as U+FFFD.
    void savedPageIsEscapedHtml()
    {
        ImagemapDocument map;
        const QString controls
            = QStringLiteral("\r\n\t\x01\x7f") + QChar(0) + QChar(0x85) + QChar(0xD800) + QStringLiteral("\U0001F600");
        AddTestBox(map, 10, 20, 100, 50, kRectangleShape, "a.html?x=1&y=2", "A \"1\"" + controls);
        AddTestBox(map, 10, 10, 25, 25, kCircleShape, "b.html", "B");
        const QString page = m_dir->filePath("saved.html");
        QCOMPARE(SaveMapFile(page, map, "m<1>", m_dir->filePath("img/p q.png"), QSize(640, 480)), QString());
        QCOMPARE(QString::fromUtf8(ReadBytes(page)),
            QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>m&lt;1&gt;</title>\n"
                           "</head>\n<body>\n"
                           "<img src=\"img/p%20q.png\" alt=\"m&lt;1&gt;\" width=\"640\" height=\"480\" "
                           "usemap=\"#m&lt;1&gt;\">\n"
                           "<map name=\"m&lt;1&gt;\">\n"
                           "<area href=\"a.html?x=1&amp;y=2\" alt=\"A "
                           "&quot;1&quot;&#13;\n\t&#1;&#127;\uFFFD\uFFFD\uFFFD\U0001F600\" "
                           "coords=\"10,20,110,70\" shape=\"rect\">\n"
                           "<area href=\"b.html\" alt=\"B\" coords=\"22,22,12\" shape=\"circle\" "
                           "data-korvel-box=\"10,10,25,25\">\n"
                           "</map>\n</body>\n</html>\n"));
    }

    // a.png and sub/c.png exist.
    void readsPages_data()
    {
        QTest::addColumn<QByteArray>("page"); // "huge" makes a sparse file one byte too large
        QTest::addColumn<QString>("opened");
        const auto row = [](const char* name, const QByteArray& page, const char* opened) {
            QTest::newRow(name) << page << QString::fromUtf8(opened);
        };
        row("upper case, unquoted, entities",
            "<HTML><BODY><MAP NAME=Nav><AREA SHAPE=RECT COORDS='0,0,10,10' HREF=a.html?x=1&amp;y=2 "
            "ALT=&quot;Caf&eacute;&quot;></MAP></BODY></HTML>",
            "map Nav|a.html?x=1&y=2 alt \"Café\" 0,0,10,10");
        // Numbers as browsers read them: garbage before one skipped, after it dropped, none at all 0.
        // Browsers fold ASCII letters only, so "poly" with a long s is an unknown shape: a rectangle.
        row("odd numbers and separators, swapped corners, shapes as browsers name them",
            "<map name=m><area coords=' 1e1 ;x10,, 0px\n.0 ' href=r><area shape=CiRc coords='5 +5 .2e1'"
            " href=c><area shape=polygon coords='1;2;a;4;5;6;7' href=p><area shape=triangle href=t"
            " coords=0,0,1,1><area shape=poly\u017F href=s coords=0,0,1,1></map>",
            "map m|r 0,0,10,10|c 5,5,2 circle|t 0,0,1,1|s 0,0,1,1|p 1,2,0,4,5,6 poly");
        row("areas nested in the map, none outside, id as name",
            "<area href=outside coords=1,1,2,2><map id=byId><div><p><area href=in coords=1,2,3,4></p></div>"
            "</map><template><map name=t><area></map></template><svg><map name=s></map></svg>",
            "map byId|in 1,2,3,4");
        row("several maps, one name twice",
            "<!doctype html><p>Text<map name=one><area coords=1,1,2,2><area coords=3,3,4,4></map>"
            "<MAP name=two></MAP><map name=one><area href=x coords=5,5,6,6></map>",
            "map one| 1,1,2,2| 3,3,4,4|map two|map one|x 5,5,6,6");
        row("a whole web page: markup in scripts, comments and styles is text",
            "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n<html lang=en><head>"
            "<meta charset=utf-8><style>map{display:none}</style><script>var s = '<map name=fake>"
            "<area coords=9,9,9,9></map>';</script></head><body><!-- <map name=old></map> -->"
            "<table><tr><td><img src=a.png usemap=\"#nav\" border=0><map name=\"nav\">\n"
            "  <area shape=\"rect\" coords=\"0, 0, 80, 20\" href=\"/home\" title=Home alt=\"Home\">\n"
            "  <area nohref shape=\"circle\" coords=\"100,10,10\">\n</map></td></tr></table><p>Done",
            "a.png|map nav|/home alt Home 0,0,80,20| 100,10,10 circle");
        row("windows-1252 bytes", "<map name=m><area alt='caf\xe9 \x80' coords=0,0,1,1></map>",
            "map m| alt café € 0,0,1,1");
        QStringEncoder littleEndian(QStringConverter::Utf16LE);
        row("UTF-16 with a byte order mark",
            QByteArray("\xFF\xFE") + QByteArray(littleEndian.encode(u"<map name=\u00e9><area coords=1,1,2,2></map>")),
            "map é| 1,1,2,2");
        row("areas it cannot hold",
            "<map name=m><area shape=DEFAULT href=x.html><area coords='0,0,50%,100%' alt=Home>"
            "<area shape=circle coords=1,2><area shape=circle coords=1,2,-3><area coords=0,0,1e999,1>"
            "<area coords=0,0,2e7,1><area shape=poly coords=0,0,32767.5,-32768><area shape=poly coords=5>"
            "<area href=kept coords=1,2,3,4></map>",
            "map m|kept 1,2,3,4"
            "|area 1 (href “x.html”): its shape “default” covers the whole picture, which no Korvel area can."
            "|area 2 (alt “Home”): its coordinate “50%” is a percentage, which depends on the size the picture "
            "is shown at.|area 3 (no href): a circle needs 3 coordinates, it has 2."
            "|area 4 (no href): its radius -3 is negative."
            "|area 5 (no href): its coordinate “1e999” is too large to be a number of pixels."
            "|area 6 (no href): its coordinate 20000000 lies farther out than any picture reaches."
            "|area 7 (no href): its point 2 (32767.5, -32768) lies outside the range -32768 to 32767."
            "|area 8 (no href): a polygon needs at least one x,y pair of coordinates.");
        // Each map's picture is the first that names it exactly, after its "#".
        row("pictures of maps", "<img src=a.png usemap=#M><img src=b usemap=#M><map name=m></map><map name=M></map>",
            "map m|a.png|map M");
        row("text before the hash", "<img src=a.png usemap='page.html#m'><map id=m></map>", "a.png|map m");
        row("missing picture, query and fragment", "<img src='gone/x%20y.png?v=2#top' usemap=#m><map name=m></map>",
            "gone/x y.png missing|map m");
        row("src with spaces around and backslashes", "<img src=' \timg\\a%20b.png\n' usemap=#m><map name=m></map>",
            "img/a b.png missing|map m");
        row("file URL", "<img src=file:///nowhere/x.png usemap=#m><map name=m></map>", "/nowhere/x.png missing|map m");
        row("no local picture",
            "<img src=https://example.org/x.png usemap=#w><map name=w></map>"
            "<img src='  ' usemap=#n><map name=n></map>",
            "map w|map n");
        row("web base", "<base href=https://example.org/><img src=a.png usemap=#m><map name=m></map>", "map m");
        row("page base", "<base href=sub/><img src=c.png usemap=#m><map name=m></map>", "sub/c.png|map m");
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
        Write("a.png", "a");
        Write("sub/c.png", "c");
        const QString path = Write("page.html", page);
        if (page == "huge")
            QVERIFY(QFile::resize(path, kMaxMapFileBytes + 1));
        QTEST(Opened(path, m_dir->path()), "opened");
    }

    void areaLimitAndLongLists()
    {
        QByteArray page = "<map name=m>";
        for (int i = 0; i <= kMaxAreasPerKind; ++i)
            page += "<area coords=0,0,1,1>";
        for (int i = 0; i < 150; ++i)
            page += "<area shape=poly coords=0.5,1>";
        const MapFileContents contents = ReadMapFile(Write("limit.html", page + "</map>"));
        QCOMPARE(int(contents.maps.size()), 1);
        const OpenedMap opened = OpenFoundMap(contents.maps.front());
        QCOMPARE(opened.map.boxCount, kMaxAreasPerKind);
        QCOMPARE(opened.map.polyCount, int16_t(150));
        QCOMPARE(opened.leftOut,
            QStringList { "area 32767 (no href): the map already holds 32766 rectangles and circles, the "
                          "most it can hold." });
        QCOMPARE(opened.rounded.size(), kMaxListedAreaLines + 1);
        QCOMPARE(opened.rounded.last(), QStringLiteral("… and 50 more polygons rounded to whole pixels."));
        QCOMPARE(DocumentInvariantViolations(opened.map), QStringList());
    }

    // Through the window: a failed save says why and leaves the old file and the map unsaved;
    // the page names the picture on screen, even after a refused choice, and opens as saved.
    void windowSavesAndOpensTheSameMap()
    {
        ScriptedFileDialog dialogs;
        MainForm form(&dialogs);
        QVERIFY(OpenPictureAndWait(form, Picture("shown.png")));
        dialogs.ChooseFile(Write("notes.jpg", "shopping list"));
        ModalAnswer refusal;
        form.newButton_Click();
        QVERIFY(!WaitForPicture(form));
        DrawSomething(form);
        const QString before = Generated(form);
        const QString page = Write("page.html", "the old page");
        dialogs.ChooseFile(page);
        // The write fails half-way, even as root: the process may not write files beyond 16 bytes.
        rlimit limit {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit unlimited = limit;
        limit.rlim_cur = 16;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        ModalAnswer failure;
        const bool saved = form.Files().Save();
        setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!saved);
        QCOMPARE(failure.text, "Korvel could not save “" + page + "”: file too large.");
        QCOMPARE(ReadBytes(page), QByteArray("the old page"));
        const QStringList files { "notes.jpg", "page.html", "shown.png" };
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), files);
        QVERIFY(form.Files().IsModified());
        QCOMPARE(form.Files().FilePath(), QString());

        QVERIFY(form.Files().Save()); // no file yet: Save As
        QCOMPARE(form.windowTitle(), QStringLiteral("page.html[*] — Korvel v1.0"));
        QVERIFY(!form.isWindowModified());
        QVERIFY(ReadBytes(page).contains("src=\"shown.png\""));
        form.Session().Apply([](Editor& e) { SelectTestBox(e, 1); });
        form.Session().KeyDown(46, 0); // Delete
        ModalAnswer discard({ QMessageBox::Discard });
        form.Files().Open();
        QVERIFY(WaitForPicture(form));
        QCOMPARE(Generated(form), before);
        QVERIFY(!form.isWindowModified());
        QCOMPARE(form.UndoStack().count(), 0);
    }

    void askBeforeDiscarding_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("answer"); // NoButton: nothing changed, so there is no question
        for (const char* action : { "close", "new", "open" }) {
            QTest::addRow("%s, nothing changed", action) << QString(action) << int(QMessageBox::NoButton);
            QTest::addRow("%s, Save", action) << QString(action) << int(QMessageBox::Save);
            QTest::addRow("%s, Discard", action) << QString(action) << int(QMessageBox::Discard);
            QTest::addRow("%s, Cancel", action) << QString(action) << int(QMessageBox::Cancel);
        }
    }

    void askBeforeDiscarding()
    {
        QFETCH(QString, action);
        QFETCH(int, answer);
        const bool goesOn = answer != QMessageBox::Cancel;
        ScriptedFileDialog dialogs;
        MainForm form(&dialogs);
        form.show();
        QVERIFY(OpenPictureAndWait(form, Picture("photo.png")));
        if (answer != QMessageBox::NoButton)
            DrawSomething(form);
        const QString page = m_dir->filePath("saved.html");
        if (answer == QMessageBox::Save)
            dialogs.queued = { ScriptedFileDialog::Chosen(page) }; // Save As
        const QString other = Picture("other.png");
        dialogs.ChooseFile(action != "open" ? other : Write("other.html", "<img src=other.png usemap=#m><map name=m>"));
        ModalAnswer answers({ QMessageBox::StandardButton(answer) });
        if (action == "close") {
            QCOMPARE(form.close(), goesOn);
        } else {
            action == "new" ? form.newButton_Click() : form.Files().Open();
            QCOMPARE(WaitForPicture(form), goesOn);
        }
        QCOMPARE(answers.seen, answer != QMessageBox::NoButton);
        QCOMPARE(QFile::exists(page), answer == QMessageBox::Save);
    }

    void aMissingPictureIsAskedFor()
    {
        const QString page = Write("moved.html",
            "<IMG SRC=gone.jpg USEMAP=#one><MAP NAME=one><AREA SHAPE=circle COORDS='50, 60, 20' HREF=x.html>"
            "</MAP><map name=two><area shape=default></map>");
        ScriptedFileDialog dialogs;
        MainForm form(&dialogs);
        dialogs.queued = { ScriptedFileDialog::Chosen(page), ScriptedFileDialog::Chosen(Picture("found.png")) };
        // Which map (the first), then: choose the picture? Open. Then what was left out.
        ModalAnswer answers({ QMessageBox::NoButton, QMessageBox::Open, QMessageBox::Ok });
        form.Files().Open();
        QVERIFY(WaitForPicture(form));
        QCOMPARE(Generated(form),
            "<map name=\"one\">\r\n<area href=\"x.html\" alt=\"\" coords=\"50,60,20\" "
            "shape=\"circle\">\r\n</map>");
        QVERIFY2(answers.texts.value(1).contains("gone.jpg"), qPrintable(answers.texts.join('\n')));
        QCOMPARE(form.Files().FilePath(), page);
    }
};

QTEST_MAIN(MapFileTest)
#include "tst_mapfile.moc"
