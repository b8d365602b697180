#include "app/CommandLine.h"
#include "app/LastUsedFolders.h"
#include "support/ScriptedFileDialogs.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// What the program makes of its command line, and where its file dialogs start.
class AppTest : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data()
    {
        QTest::addColumn<QString>("arguments"); // after the program's name
        QTest::addColumn<int>("exitCode"); // -1: the window opens; 0: an answer; 2: a mistake
        QTest::addColumn<QString>("text"); // how the answer (standard output) or mistake (standard error) starts
        QTest::addColumn<QString>("file");
        const auto row = [](const char* name, const char* arguments, int exitCode, const char* text, const char* file) {
            QTest::newRow(name) << QString(arguments) << exitCode << QString(text) << QString(file);
        };
        row("nothing", "", -1, "", "");
        row("a picture", "photo.jpg", -1, "", "photo.jpg");
        row("a page, among Qt's options", "-platform=offscreen -reverse --display :1 map.html -stylesheet look.qss", -1,
            "", "map.html");
        row("version", "--version", 0, "Korvel " KORVEL_VERSION "\n", "");
        row("help after Qt's options", "-style fusion --help", 0, "Usage: ", "");
        row("a mistake", "-frobnicate", 2, "korvel: Unknown option 'frobnicate'.\nTry 'korvel --help'.\n", "");
        row("Qt's option without its value", "-style", 2, "korvel: Missing value after '-style'.", "");
        row("two files", "a.png b.html", 2, "korvel: give one image at most.", "");
    }
    void commandLine()
    {
        QFETCH(QString, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, text);
        const CommandLineRequest request
            = readCommandLine(QStringList("korvel") + arguments.split(' ', Qt::SkipEmptyParts));
        QCOMPARE(request.exitCode, exitCode);
        const QString& said = exitCode == 2 ? request.error : request.output;
        QVERIFY2(said.left(text.size()) == text && said.isEmpty() == text.isEmpty(), qPrintable(said));
        QCOMPARE(exitCode == 2 ? request.output : request.error, QString());
        QTEST(request.image, "file");
    }

    // Qt's options are Qt's business: --help tells of Korvel's own, --help-all of Qt's too.
    void helpKeepsToKorvelsOptions()
    {
        const QString help = readCommandLine({ "korvel", "--help" }).output;
        QVERIFY(help.contains("--version") && help.contains("IMAGE") && !help.contains("platform"));
        QVERIFY(readCommandLine({ "korvel", "--help-all" }).output.contains("-platform"));
    }

    // Pictures and pages each have their folder, where the last file of that kind was chosen,
    // opened or saved, from one run to the next; without one, a dialog starts in the documents
    // folder. A dialog that offers a file starts beside it.
    void dialogsStartInTheFolderLastUsed_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<bool>("folderRemoved");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("startsIn"); // used, documents, or offered
        const auto row = [](const char* name, const char* first, bool chosen, bool removed, const char* next,
                             const char* offered, const char* startsIn) {
            QTest::newRow(name) << QString(first) << chosen << removed << QString(next) << QString(offered)
                                << QString(startsIn);
        };
        row("picture, then picture", "picture", true, false, "picture", "", "used");
        row("page saved, then opened", "save page", true, false, "open page", "", "used");
        row("page opened, then saved", "open page", true, false, "save page", "", "used");
        row("picture, then page", "picture", true, false, "open page", "", "documents");
        row("cancelled", "picture", false, false, "picture", "", "documents");
        row("folder gone since", "open page", true, true, "open page", "", "documents");
        row("a file offered", "picture", true, false, "picture", "/elsewhere/p.png", "offered");
    }
    void dialogsStartInTheFolderLastUsed()
    {
        QFETCH(QString, offered);
        QTemporaryDir temporary;
        const QString used = temporary.filePath("used");
        QVERIFY(QDir().mkpath(used));
        // One run of Korvel with one dialog; its settings go to a file of the test's own.
        const auto runDialog = [&temporary](const QString& kind, const QString& start, const QString& answer) {
            QSettings settings(temporary.filePath("korvel.conf"), QSettings::IniFormat);
            ScriptedFileDialogs screen;
            screen.answer = answer;
            LastUsedFolders dialogs(screen, settings);
            kind == "picture"         ? dialogs.openPicture(nullptr, start)
                : kind == "open page" ? dialogs.openPage(nullptr, start)
                                      : dialogs.savePage(nullptr, start);
            return screen.asked.value(0).section(": ", 1);
        };
        QFETCH(QString, first);
        QFETCH(bool, chosen);
        runDialog(first, QString(), chosen ? used + "/chosen.html" : QString());
        QFETCH(bool, folderRemoved);
        if (folderRemoved)
            QVERIFY(QDir(used).removeRecursively());
        QFETCH(QString, next);
        QFETCH(QString, startsIn);
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(runDialog(next, offered, QString()),
            startsIn == "used"          ? used
                : startsIn == "offered" ? offered
                                        : documents);
    }
};

QTEST_GUILESS_MAIN(AppTest)
#include "tst_app.moc"
