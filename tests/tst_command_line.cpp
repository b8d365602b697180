#include "startup/CommandLine.h"

#include <QtTest>

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after the program's name
        QTest::addColumn<int>("exitCode"); // -1: the window opens; 0: an answer; 2: a mistake
        QTest::addColumn<QString>("text"); // how the answer (standard output) or mistake (standard error) starts
        QTest::addColumn<QString>("image");
        const auto row
            = [](const char* name, const char* arguments, int exitCode, const char* text, const char* image = "") {
                  QTest::newRow(name) << QString(arguments).split(u' ', Qt::SkipEmptyParts) << exitCode << QString(text)
                                      << QString(image);
              };
        row("nothing", "", -1, "");
        row("an image", "photo.jpg", -1, "", "photo.jpg");
        row("version", "--version", 0, "Korvel 1.0\n");
        row("help in another style", "-style fusion --help", 0, "Usage: ");
        row("Qt's options around an image",
            "-platform=offscreen -reverse --display :1 -qwindowgeometry 300x200+0+0 map.png -stylesheet look.qss", -1,
            "", "map.png");
        row("unknown option", "-frobnicate", 2, "korvel: Unknown option 'frobnicate'.");
        row("Qt option without its value", "-style", 2, "korvel: Missing value after '-style'.");
        row("two images", "a.png b.png", 2, "korvel: give one image at most.");
    }

    void readsTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, text);
        const CommandLineRequest request = ReadCommandLine(QStringList { "korvel" } + arguments);
        QCOMPARE(request.exitCode, exitCode);
        const QString& said = exitCode == 2 ? request.error : request.output;
        QCOMPARE(said.left(text.size()), text);
        QCOMPARE(said.isEmpty(), text.isEmpty());
        QCOMPARE(exitCode == 2 ? request.output : request.error, QString());
        QTEST(request.image, "image");
    }

    // Qt's options are Qt's business: --help tells of Korvel's own, --help-all of Qt's too.
    void helpKeepsToKorvelsOptions()
    {
        const QString help = ReadCommandLine({ "korvel", "--help" }).output;
        QVERIFY(help.contains("--version") && help.contains("IMAGE") && !help.contains("platform"));
        QVERIFY(ReadCommandLine({ "korvel", "--help-all" }).output.contains("-platform"));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
