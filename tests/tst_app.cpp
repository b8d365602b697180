#include "app/CommandLine.h"
#include "app/LastUsedFolders.h"
#include "support/ScriptedFileDialogs.h"

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
        // The exit code (-1: the window opens), then the file to open, or the first line of
        // standard output or of standard error.
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* arguments, const char* expected) {
            QTest::newRow(name) << QString(arguments) << QString(expected);
        };
        row("nothing", "", "-1 file: ");
        row("a picture", "photo.jpg", "-1 file: photo.jpg");
        row("a page, among Qt's options", "-platform=offscreen -reverse --display :1 map.html -stylesheet look.qss",
            "-1 file: map.html");
        row("version", "--version", "0 output: Korvel " KORVEL_VERSION);
        row("help after Qt's options", "-style fusion --help", "0 output: Usage: korvel [options] [IMAGE or PAGE]");
        row("a mistake", "-frobnicate", "2 error: korvel: Unknown option 'frobnicate'.");
        row("Qt's option without its value", "-style", "2 error: korvel: Missing value after '-style'.");
        row("two files", "a.png b.html", "2 error: korvel: give one image at most.");
    }
    void commandLine()
    {
        QFETCH(QString, arguments);
        const CommandLineRequest r = readCommandLine(QStringList("korvel") + arguments.split(' ', Qt::SkipEmptyParts));
        const QString said = r.exitCode < 0 ? "file: " + r.image
            : r.exitCode == 0               ? "output: " + r.output
                                            : "error: " + r.error;
        QTEST(QString::number(r.exitCode) + ' ' + said.section('\n', 0, 0).replace(QCoreApplication::arguments()[0], "korvel"),
            "expected");
        QVERIFY(r.output.isEmpty() || r.error.isEmpty());
    }

    // Pictures and pages each have their folder, where the last file of that kind was chosen,
    // opened or saved, from one run to the next; without one, a dialog starts in the documents
    // folder. A dialog that offers a file starts beside it.
    void dialogsStartInTheFolderLastUsed_data()
    {
        QTest::addColumn<QString>("runs"); // one dialog a run: its kind, and what the user did
        QTest::addColumn<QString>("startsIn"); // where the last one started
        const auto row = [](const char* name, const char* runs, const char* startsIn) {
            QTest::newRow(name) << QString(runs) << QString(startsIn);
        };
        row("picture, then picture", "picture chosen; picture", "used");
        row("page saved, then opened", "save page chosen; open page", "used");
        row("page opened, then saved", "open page chosen; save page", "used");
        row("picture, then page", "picture chosen; open page", "documents");
        row("cancelled", "picture; picture", "documents");
        row("folder gone since", "open page chosen; folder removed; open page", "documents");
        row("a file offered", "picture chosen; picture offering /elsewhere/p.png", "/elsewhere/p.png");
    }
    void dialogsStartInTheFolderLastUsed()
    {
        QFETCH(QString, runs);
        QTemporaryDir temporary;
        const QString used = temporary.filePath("used");
        QVERIFY(QDir().mkpath(used));
        QString start;
        for (const QString& run : runs.split("; ")) {
            if (run == "folder removed") {
                QVERIFY(QDir(used).removeRecursively());
                continue;
            }
            QSettings settings(temporary.filePath("korvel.conf"), QSettings::IniFormat);
            ScriptedFileDialogs screen;
            screen.answer = run.endsWith(" chosen") ? used + "/chosen.html" : QString();
            LastUsedFolders dialogs(screen, settings);
            const QString offered = run.section(" offering ", 1);
            run.startsWith("picture")    ? dialogs.openPicture(nullptr, offered)
                : run.startsWith("open") ? dialogs.openPage(nullptr, offered)
                                         : dialogs.savePage(nullptr, offered);
            start = screen.asked.value(0).section(": ", 1);
        }
        QFETCH(QString, startsIn);
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(start, startsIn == "used" ? used : startsIn == "documents" ? documents : startsIn);
    }
};

QTEST_GUILESS_MAIN(AppTest)
#include "tst_app.moc"
