#include "app/CommandLine.h"
#include "check/SiteCheck.h"

#include <QTemporaryDir>
#include <QtTest>

// `korvel --check`: which files it reads, the lines it prints and how it exits.
class CheckCommandLineTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    void write(const QString& name, const QByteArray& bytes)
    {
        QDir(m_dir.path()).mkpath(QFileInfo(name).path());
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void initTestCase()
    {
        QDir::setCurrent(m_dir.path());
        const QByteArray clean = "<img src=p.png width=10 height=10 usemap=#m><map name=m><area href=a alt=A "
                                 "coords=0,0,5,5></map>";
        write("site/index.html", clean);
        write("site/b/deep.HTM", "<map name=m>\n  <area href=x coords=0,0,5,5><area nohref coords=9,9,9,9>\n</map>");
        write("site/a.htm", "<p>No map here</p><img src=p.png usemap=#nav>");
        write("site/.cache/old.html", "<map name=''></map>");
        write("site/notes.txt", "<map name=''></map>");
        write("site/empty.html", "");
        write("binary.html", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10));
        write("bad name.html", "<map name='%1 %2'><area href=x alt=X coords=0,0,5,5></map>");
    }

    void run_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("error");
        QTest::newRow("a clean page") << QStringList { "site/index.html" } << 0 << QStringList() << "";
        QTest::newRow("a folder: .html and .htm at every depth, sorted; hidden folders and other files left out")
            << QStringList { "site/" } << 1
            << QStringList { "site/a.htm:1:19: map \"nav\": the picture “p.png” has usemap=\"#nav\", but no map of "
                             "this page has that name: browsers show it without areas",
                   "site/b/deep.HTM:2:3: map \"m\", area 1: its link to “x” has no alt text: screen readers can "
                   "only read out the address, and accessibility checkers fail the page",
                   "site/b/deep.HTM:2:31: map \"m\", area 2: its corners are one point (9, 9): browsers give it "
                   "no pixel" }
            << "";
        QTest::newRow("names are printed as they are")
            << QStringList { "bad name.html" } << 1
            << QStringList { "bad name.html:1:1: map \"%1 %2\": its name holds a space, which HTML does not allow: "
                             "validators reject the page, and a usemap that writes the space as %20 finds no map" }
            << "";
        QTest::newRow("a file that cannot be read: the others are still checked")
            << QStringList { "gone.html", "binary.html", "site/index.html", "bad name.html" } << 2
            << QStringList { "bad name.html:1:1: map \"%1 %2\": its name holds a space, which HTML does not allow: "
                             "validators reject the page, and a usemap that writes the space as %20 finds no map" }
            << "Korvel cannot open “" + m_dir.filePath("gone.html") + "”: there is no such file.|Korvel cannot open “"
                + m_dir.filePath("binary.html") + "”: it holds binary data, not the text of a page.";
    }

    void run()
    {
        QFETCH(QStringList, paths);
        QStringList lines, errors;
        const int exitCode = checkSite(
            paths, [&](const QString& line) { lines << line; }, [&](const QString& error) { errors << error; });
        QTEST(lines, "lines");
        QTEST(errors.join('|'), "error");
        QTEST(exitCode, "exitCode");
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("pages and folders")
            << QStringList { "--check", "a.html", "site" } << QStringList { "a.html", "site" } << -1;
        QTest::newRow("nothing to check") << QStringList { "--check" } << QStringList() << 2;
        QTest::newRow("without --check, one file") << QStringList { "a.html" } << QStringList() << -1;
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        const CommandLineRequest request = readCommandLine(QStringList { "korvel" } + arguments);
        QTEST(request.pagesToCheck, "pages");
        QTEST(request.exitCode, "exitCode");
    }

    void helpTellsOfCheck()
    {
        const QString help = readCommandLine({ "korvel", "--help" }).output;
        QVERIFY(help.contains("--check"));
        QVERIFY(help.contains("FILE:LINE:COLUMN"));
    }
};

QTEST_GUILESS_MAIN(CheckCommandLineTest)
#include "tst_check_command_line.moc"
