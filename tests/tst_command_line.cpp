#include "startup/CommandLine.h"

#include <QtTest>

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after the program's name
        QTest::addColumn<int>("exitCode"); // -1: the window opens
        QTest::addColumn<QString>("output"); // how standard output starts
        QTest::addColumn<QString>("error"); // how standard error starts
        QTest::addColumn<QString>("image");
        const QString version = QStringLiteral("Korvel 1.0\n");
        const QString usage = QStringLiteral("Usage: ");
        QTest::newRow("nothing") << QStringList() << -1 << QString() << QString() << QString();
        QTest::newRow("an image") << QStringList { "photo.jpg" } << -1 << QString() << QString() << "photo.jpg";
        QTest::newRow("version") << QStringList { "--version" } << 0 << version << QString() << QString();
        QTest::newRow("-v") << QStringList { "-v" } << 0 << version << QString() << QString();
        QTest::newRow("help") << QStringList { "-h" } << 0 << usage << QString() << QString();
        QTest::newRow("help with Qt's options") << QStringList { "--help-all" } << 0 << usage << QString() << QString();
        QTest::newRow("version on another platform")
            << QStringList { "-platform", "offscreen", "--version" } << 0 << version << QString() << QString();
        QTest::newRow("help in another style")
            << QStringList { "-style", "fusion", "--help" } << 0 << usage << QString() << QString();
        QTest::newRow("Qt's options around an image") << QStringList { "-platform=offscreen", "-reverse",
            "-qwindowgeometry", "300x200+0+0", "map.png", "-stylesheet", "look.qss" }
                                                      << -1 << QString() << QString() << "map.png";
        QTest::newRow("X11's with two dashes") << QStringList { "--display", ":1", "-geometry", "640x480",
            "-platformtheme", "gtk3", "-plugin", "evdevtouch", "-qwindowtitle", "Maps", "shot.gif" }
                                               << -1 << QString() << QString() << "shot.gif";
        QTest::newRow("unknown option") << QStringList { "-frobnicate" } << 2 << QString()
                                        << "korvel: Unknown option 'frobnicate'." << QString();
        QTest::newRow("Qt option without its value")
            << QStringList { "-style" } << 2 << QString() << "korvel: Missing value after '-style'." << QString();
        QTest::newRow("two images") << QStringList { "a.png", "b.png" } << 2 << QString()
                                    << "korvel: give one image at most." << QString();
    }

    void readsTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        QFETCH(QString, error);
        const CommandLineRequest request = ReadCommandLine(QStringList { "korvel" } + arguments);
        QTEST(request.exitCode, "exitCode");
        QVERIFY2(request.output.startsWith(output) && output.isEmpty() == request.output.isEmpty(),
            qPrintable(request.output));
        QVERIFY2(
            request.error.startsWith(error) && error.isEmpty() == request.error.isEmpty(), qPrintable(request.error));
        QTEST(request.image, "image");
    }

    // Qt's options are Qt's business: --help tells of Korvel's own.
    void helpKeepsToKorvelsOptions()
    {
        const QString help = ReadCommandLine({ "korvel", "--help" }).output;
        QVERIFY(help.contains("--version"));
        QVERIFY(help.contains("IMAGE"));
        QVERIFY(!help.contains("platform"));
        QVERIFY(ReadCommandLine({ "korvel", "--help-all" }).output.contains("-platform"));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
