#include "app/CommandLine.h"
#include "app/LastUsedFolders.h"
#include "check/SiteCheck.h"
#include "pictures/PictureLoader.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QSettings>

#include <cstdio>

namespace {

void printLine(const QString& line, std::FILE* stream)
{
    std::fputs(line.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

// --check: the lines go out as they are found, so a long run over a site shows progress.
int checkPages(const QStringList& pages)
{
    return checkSite(
        pages, [](const QString& line) { printLine(line, stdout); },
        [](const QString& sentence) { printLine(sentence, stderr); });
}

// Read before any window exists, so that --help, --version and --check work in a terminal
// without a display; the QApplication that follows applies Qt's own options.
CommandLineRequest readOwnCommandLine(int argc, char* argv[])
{
    QCoreApplication probe(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVEL_VERSION));
    CommandLineRequest request = readCommandLine(QCoreApplication::arguments());
    std::fputs(qPrintable(request.output), stdout);
    std::fputs(qPrintable(request.error), stderr);
    if (!request.pagesToCheck.isEmpty())
        request.exitCode = checkPages(request.pagesToCheck);
    return request;
}

} // namespace

int main(int argc, char* argv[])
{
    const CommandLineRequest request = readOwnCommandLine(argc, argv);
    if (request.exitCode >= 0)
        return request.exitCode;

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korvel"));
    QApplication::setApplicationName(QStringLiteral("Korvel"));
    QApplication::setApplicationVersion(QStringLiteral(KORVEL_VERSION));
    // Lets the desktop match the window to Korvel's desktop entry, and so to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVEL_APP_ID));
    allowLargePictures();
    QSettings settings;
    QtFileDialogs screenDialogs;
    LastUsedFolders dialogs(screenDialogs, settings);
    MainWindow window(&dialogs);
    window.show();
    // Read on a worker thread: the window paints at once, and the picture fills it when read.
    if (!request.image.isEmpty())
        window.openFile(request.image);
    return QApplication::exec();
}
