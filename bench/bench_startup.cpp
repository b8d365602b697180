// Time from start to the first painted window, and with a picture given on the command line
// to the picture on screen. Run it under a real display (e.g. xvfb-run) to include the window
// system.
//
//   bench_startup          an empty window, then a 12000 x 9000 JPEG made in a temporary folder
//   bench_startup IMAGE    the given picture
//
// Each figure comes from a fresh process (this program run again with --measure), so that no
// library or plugin is loaded before the clock starts.
#include "canvas/CanvasWidget.h"
#include "mainwindow/MainForm.h"
#include "picture/PictureLoader.h"
#include "support/PictureCorpus.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// Reports the first paint of a widget that happens once a condition holds, after that paint
// and the rest of the window's have finished.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* widget, std::function<bool()> ready, std::function<void()> done)
        : m_ready(std::move(ready))
        , m_done(std::move(done))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_reported && m_ready()) {
            m_reported = true;
            QTimer::singleShot(0, m_done);
        }
        return false;
    }

private:
    std::function<bool()> m_ready;
    std::function<void()> m_done;
    bool m_reported = false;
};

double MillisecondsSince(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// One start of the program's window, timed from the start of this process.
int Measure(int argc, char* argv[], const QElapsedTimer& sinceStart)
{
    QApplication app(argc, argv);
    AllowLargePictures();
    const QString image = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    MainForm form;
    bool windowPainted = false;
    bool pictureShown = image.isEmpty();
    const auto finishWhenDone = [&] {
        if (windowPainted && pictureShown)
            QApplication::quit();
    };
    FirstPaint window(
        &form, [] { return true; },
        [&] {
            std::printf("  first painted window: %7.1f ms after start\n", MillisecondsSince(sinceStart));
            windowPainted = true;
            finishWhenDone();
        });
    FirstPaint picture(
        form.Controls().InnerPict, [&] { return form.Controls().InnerPict->HasPicture(); },
        [&] {
            std::printf("  picture shown:        %7.1f ms after start\n", MillisecondsSince(sinceStart));
            pictureShown = true;
            finishWhenDone();
        });
    form.show();
    if (!image.isEmpty())
        form.OpenImage(image);
    return QApplication::exec();
}

int RunMeasure(const QString& title, const QStringList& arguments)
{
    std::printf("%s\n", qPrintable(title));
    std::fflush(stdout);
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    child.start(QCoreApplication::applicationFilePath(), QStringList { QStringLiteral("--measure") } + arguments);
    child.waitForFinished(-1);
    if (child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0)
        return 0;
    std::fprintf(stderr, "  failed: %s\n", qPrintable(child.errorString()));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (argc > 1 && qstrcmp(argv[1], "--measure") == 0)
        return Measure(argc, argv, sinceStart);

    QCoreApplication app(argc, argv);
    if (argc > 1)
        return RunMeasure(QStringLiteral("Window with %1:").arg(QString::fromLocal8Bit(argv[1])),
            { QString::fromLocal8Bit(argv[1]) });
    QTemporaryDir dir;
    const QString large = WriteFile(dir.filePath(QStringLiteral("large.jpg")), LargePicture(12000, 9000, "jpg"));
    int status = RunMeasure(QStringLiteral("Empty window:"), {});
    status |= RunMeasure(QStringLiteral("Window with a 12000 x 9000 JPEG:"), { large });
    return status;
}
