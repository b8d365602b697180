// Time from start to the first painted window, empty and with a picture given on the
// command line: bench_startup [IMAGE]. Run it under a real display (e.g. xvfb-run) to
// include the window system.
#include "canvas/CanvasWidget.h"
#include "mainwindow/MainForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTimer>

#include <cstdio>

namespace {

// Reports the first paint of a widget that happens once a condition holds.
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
            QTimer::singleShot(0, m_done); // after this paint has finished
        }
        return false;
    }

private:
    std::function<bool()> m_ready;
    std::function<void()> m_done;
    bool m_reported = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    const QString image = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    MainForm form;
    QWidget* watched = image.isEmpty() ? static_cast<QWidget*>(&form) : form.Controls().InnerPict;
    FirstPaint probe(
        watched, [&] { return image.isEmpty() || form.Controls().InnerPict->HasPicture(); },
        [&] {
            std::printf("first painted window%s%s: %.1f ms after start\n", image.isEmpty() ? "" : " with ",
                qPrintable(image), sinceStart.nsecsElapsed() / 1e6);
            QApplication::quit();
        });
    form.show();
    if (!image.isEmpty())
        QTimer::singleShot(0, &form, [&] { form.OpenImage(image); });
    return QApplication::exec();
}
