// Time from start to the first painted window, and with a picture to open to the picture on
// screen. Run it under a display (e.g. xvfb-run) to include the window system.
//   bench_startup          an empty window, then a 12000 x 9000 JPEG made in a temporary folder
//   bench_startup IMAGE    the given picture
// Each figure comes from a fresh process (this program run again with --measure), so that no
// library or plugin is loaded before the clock starts.
#include "pictures/PictureLoader.h"
#include "support/Measuring.h"
#include "support/PictureCorpus.h"
#include "view/CanvasView.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// Reports, once a condition holds, the first paint of a widget after it and the rest of the
// window's painting have finished.
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

// One start of the program's window, timed from the start of this process.
int measure(int argc, char* argv[], const QElapsedTimer& sinceStart)
{
    QApplication app(argc, argv);
    allowLargePictures();
    const QString image = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    MainWindow window;
    int waiting = image.isEmpty() ? 1 : 2;
    const auto report = [&](const char* what) {
        std::printf("  %-21s %7.1f ms after start\n", what, sinceStart.nsecsElapsed() / 1e6);
        if (--waiting == 0)
            QApplication::quit();
    };
    FirstPaint painted(
        &window, [] { return true; }, [&] { report("first painted window:"); });
    CanvasView* canvas = window.controls().canvas;
    FirstPaint shown(
        canvas->viewport(), [canvas] { return canvas->hasPicture(); }, [&] { report("picture shown:"); });
    window.show();
    if (!image.isEmpty())
        window.openFile(image);
    return QApplication::exec();
}

int runMeasure(const QString& title, const QStringList& arguments)
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
        return measure(argc, argv, sinceStart);

    QCoreApplication app(argc, argv);
    if (argc > 1)
        return runMeasure(QStringLiteral("Window with %1:").arg(QString::fromLocal8Bit(argv[1])),
            { QString::fromLocal8Bit(argv[1]) });
    QTemporaryDir dir;
    const QString large = WriteFile(dir.filePath(QStringLiteral("large.jpg")), largePicture(12000, 9000, "jpg"));
    int status = runMeasure(QStringLiteral("Empty window:"), {});
    status |= runMeasure(QStringLiteral("Window with a 12000 x 9000 JPEG:"), { large });
    return status;
}
