#include "filechooser/LastUsedFolders.h"
#include "filechooser/QtFileDialogPlatform.h"
#include "mainwindow/MainForm.h"
#include "picture/PictureLoader.h"
#include "startup/CommandLine.h"

#include <QApplication>
#include <QSettings>

#include <cstdio>

namespace {

// Read before any window exists, so that --help and --version work in a terminal without a
// display; the QApplication that follows applies Qt's own options.
CommandLineRequest ReadOwnCommandLine(int argc, char* argv[])
{
    QCoreApplication probe(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvel"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    const CommandLineRequest request = ReadCommandLine(QCoreApplication::arguments());
    std::fputs(qPrintable(request.output), stdout);
    std::fputs(qPrintable(request.error), stderr);
    return request;
}

} // namespace

int main(int argc, char* argv[])
{
    const CommandLineRequest request = ReadOwnCommandLine(argc, argv);
    if (request.exitCode >= 0)
        return request.exitCode;

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korvel"));
    QApplication::setApplicationName(QStringLiteral("Korvel"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    // Lets the desktop match the window to Korvel's desktop entry, and so to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVEL_APP_ID));
    AllowLargePictures();
    QSettings settings;
    QtFileDialogPlatform screenDialogs;
    LastUsedFolders dialogs(screenDialogs, settings);
    MainForm form(&dialogs);
    form.show();
    // Read on a worker thread: the window paints at once, and the picture fills it when read.
    if (!request.image.isEmpty())
        form.OpenFile(request.image);
    return QApplication::exec();
}
