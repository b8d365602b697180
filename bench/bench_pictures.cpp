// Time and peak memory for opening large and hostile pictures with New Imagemap, each in a
// fresh process: from OpenImage to the picture on the canvas or the refusal. Memory is the
// peak resident size above what the process held just before (Linux: VmHWM, reset through
// /proc/self/clear_refs), set against the decoded picture's width x height x 4 bytes.
//
//   bench_pictures                 the built-in set, made in a temporary folder
//   bench_pictures --one FILE      one picture; prints one line
#include "canvas/CanvasWidget.h"
#include "mainwindow/MainForm.h"
#include "picture/PictureLoader.h"
#include "support/ModalAnswer.h"
#include "support/PictureCorpus.h"
#include "support/PictureWait.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// A line of /proc/self/status, in kibibytes; -1 where there is none.
qint64 StatusKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Starts the peak anew at the present size.
void ResetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

int MeasureOne(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AllowLargePictures();
    const QString path = QString::fromLocal8Bit(argv[2]);
    MainForm form;
    ModalAnswer refusal;
    ResetPeak();
    const qint64 before = StatusKiB("VmRSS");
    QElapsedTimer timer;
    timer.start();
    const bool opened = OpenPictureAndWait(form, path);
    const double milliseconds = timer.nsecsElapsed() / 1e6;
    const double peakMiB = (StatusKiB("VmHWM") - before) / 1024.0;
    const QSize size = form.Controls().InnerPict->size();
    const double decodedMiB = opened ? double(size.width()) * size.height() * 4 / (1 << 20) : 0;
    const QString ratio
        = opened && decodedMiB > 0 ? QString::number(peakMiB / decodedMiB, 'f', 2) : QStringLiteral("-");
    const bool over = opened && peakMiB > 1.5 * decodedMiB && peakMiB > 16;
    std::printf("%-28s %-8s %11s %9.1f %9.1f %9.1f %6s %s\n", qPrintable(QFileInfo(path).fileName()),
        opened ? "opened" : "refused",
        opened ? qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())) : "", milliseconds, peakMiB,
        decodedMiB, qPrintable(ratio), over ? "OVER 1.5x" : "");
    return 0;
}

struct Sample {
    QString fileName;
    QByteArray bytes;
};

QList<Sample> Samples()
{
    QImage deep(4000, 3000, QImage::Format_RGBX64);
    deep.fill(QColor(10, 200, 30));
    QList<Sample> samples {
        { QStringLiteral("photo-12000x9000.jpg"), LargePicture(12000, 9000, "jpg") },
        { QStringLiteral("photo-12000x9000-cut.jpg"), LargePicture(12000, 9000, "jpg").chopped(2000000) },
        { QStringLiteral("scan-8000x6000.png"), LargePicture(8000, 6000, "png") },
        { QStringLiteral("scan-8000x6000.bmp"), LargePicture(8000, 6000, "bmp") },
        { QStringLiteral("photo-8000x6000.webp"), LargePicture(8000, 6000, "webp") },
        { QStringLiteral("bands-4000x3000.gif"), HandMadeGif(4000, 3000, 1) },
        { QStringLiteral("deep-4000x3000-16bit.png"), Encoded(deep, "png") },
    };
    for (const CorpusPicture& picture : HostileCorpus()) {
        if (picture.kind == CorpusPicture::Kind::File && picture.name.contains(QLatin1String("claiming")))
            samples.append({ picture.fileName, picture.bytes });
    }
    return samples;
}

int MeasureAll()
{
    QTemporaryDir dir;
    std::printf(
        "%-28s %-8s %11s %9s %9s %9s %6s\n", "picture", "outcome", "size", "ms", "peak MiB", "decoded", "ratio");
    int status = 0;
    for (const Sample& sample : Samples()) {
        const QString path = WriteFile(dir.filePath(sample.fileName), sample.bytes);
        std::fflush(stdout);
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--one"), path });
        child.waitForFinished(-1);
        if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            std::printf("%-28s FAILED (%s)\n", qPrintable(sample.fileName), qPrintable(child.errorString()));
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
        return MeasureOne(argc, argv);
    QCoreApplication app(argc, argv);
    return MeasureAll();
}
