#include "mainwindow/MainForm.h"
#include "picture/PictureLoader.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

namespace {

struct StartRequest {
    int exitCode = -1; // set when the command line is answered without opening a window
    QString image;
};

// Reads the command line before any window exists, so that --help and --version work
// in a terminal without a display.
StartRequest ReadCommandLine(int argc, char* argv[])
{
    QCoreApplication probe(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvel"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Korvel makes client-side HTML imagemaps: draw rectangles, circles and polygons on an "
                       "image, give each a URL and an alt text, and generate the <map> element."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("IMAGE"), QStringLiteral("The image to start a new imagemap on."), QStringLiteral("[IMAGE]"));
    StartRequest request;
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "korvel: %s\nTry 'korvel --help'.\n", qPrintable(parser.errorText()));
        request.exitCode = 2;
    } else if (parser.isSet(help)) {
        std::printf("%s", qPrintable(parser.helpText()));
        request.exitCode = 0;
    } else if (parser.isSet(version)) {
        std::printf("Korvel 1.0\n");
        request.exitCode = 0;
    } else if (parser.positionalArguments().size() > 1) {
        std::fprintf(stderr, "korvel: give one image at most.\nTry 'korvel --help'.\n");
        request.exitCode = 2;
    } else if (!parser.positionalArguments().isEmpty()) {
        request.image = parser.positionalArguments().front();
    }
    return request;
}

} // namespace

int main(int argc, char* argv[])
{
    const StartRequest request = ReadCommandLine(argc, argv);
    if (request.exitCode >= 0)
        return request.exitCode;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvel"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    AllowLargePictures();
    MainForm form;
    form.show();
    // Read on a worker thread: the window paints at once, and the picture fills it when read.
    if (!request.image.isEmpty())
        form.OpenImage(request.image);
    return QApplication::exec();
}
