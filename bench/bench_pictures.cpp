// Time and peak memory for opening large and hostile pictures in the main window, each in a
// fresh process: from the read's start to the picture on the canvas or the refusal. Memory is
// the peak resident size above what the process held just before, set against the decoded
// picture's width x height x 4 bytes.
//   bench_pictures                 the built-in set, made in a temporary folder
//   bench_pictures --one FILE      one picture; prints one line
#include "pictures/PictureLoader.h"
#include "support/DragTiming.h"
#include "support/Measuring.h"
#include "support/ModalWindows.h"
#include "support/PictureCorpus.h"
#include "view/CanvasView.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

int measureOne(int argc, char* argv[])
{
    preferOffscreenPlatform();
    QApplication app(argc, argv);
    allowLargePictures();
    const QString path = QString::fromLocal8Bit(argv[2]);
    MainWindow window;
    ModalAnswer refusal;
    resetPeakMemory();
    const double before = memoryMegabytes("VmRSS");
    QElapsedTimer timer;
    timer.start();
    const bool opened = openAndWait(window, path);
    const double milliseconds = timer.nsecsElapsed() / 1e6;
    const double peak = memoryMegabytes("VmHWM") - before;
    const QSize size = window.controls().canvas->pictureSize();
    const double decoded = opened ? double(size.width()) * size.height() * 4 / (1 << 20) : 0;
    std::printf("%-28s %-8s %11s %9.1f %9.1f %9.1f %6s\n", qPrintable(QFileInfo(path).fileName()),
        opened ? "opened" : "refused",
        opened ? qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())) : "", milliseconds, peak,
        decoded, opened ? qPrintable(QString::number(peak / decoded, 'f', 2)) : "-");
    return 0;
}

QList<QPair<QString, QByteArray>> samples()
{
    QImage deep(4000, 3000, QImage::Format_RGBX64);
    deep.fill(QColor(10, 200, 30));
    QList<QPair<QString, QByteArray>> samples {
        { "photo-12000x9000.jpg", largePicture(12000, 9000, "jpg") },
        { "photo-12000x9000-cut.jpg", largePicture(12000, 9000, "jpg").chopped(2000000) },
        { "scan-8000x6000.png", largePicture(8000, 6000, "png") },
        { "scan-8000x6000.bmp", largePicture(8000, 6000, "bmp") },
        { "photo-8000x6000.webp", largePicture(8000, 6000, "webp") },
        { "bands-4000x3000.gif", HandMadeGif(4000, 3000, 1) },
        { "deep-4000x3000-16bit.png", Encoded(deep, "png") },
    };
    for (const CorpusPicture& picture : HostileCorpus())
        if (picture.kind == CorpusPicture::Kind::File && picture.name.contains(QLatin1String("claiming")))
            samples.append({ picture.fileName, picture.bytes });
    return samples;
}

int measureAll()
{
    QTemporaryDir dir;
    std::printf(
        "%-28s %-8s %11s %9s %9s %9s %6s\n", "picture", "outcome", "size", "ms", "peak MiB", "decoded", "ratio");
    int status = 0;
    for (const auto& [fileName, bytes] : samples()) {
        const QString path = WriteFile(dir.filePath(fileName), bytes);
        std::fflush(stdout);
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--one"), path });
        child.waitForFinished(-1);
        if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            std::printf("%-28s FAILED (%s)\n", qPrintable(fileName), qPrintable(child.errorString()));
            status = 1;
        }
        QFile::remove(path);
    }
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--one") == 0)
        return measureOne(argc, argv);
    QCoreApplication app(argc, argv);
    return measureAll();
}
