// The largest map Korvel holds (32,766 boxes and 32,766 polygons, with texts) in the real main
// window, offscreen: milliseconds for a press that selects, a move of a drag, Generate and
// Copy, and the process's peak memory. The last line ends with the slowest median.
#include "dialogs/OutputWindow.h"
#include "support/DragTiming.h"
#include "support/Measuring.h"
#include "view/CanvasView.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

void send(QWidget* viewport, QEvent::Type type, QPointF at, Qt::MouseButtons buttons)
{
    sendMouse(viewport, type, at, buttons);
    QApplication::processEvents(); // the repaint
}

} // namespace

int main(int argc, char* argv[])
{
    preferOffscreenPlatform();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QImage picture(6000, 5000, QImage::Format_RGB32);
    picture.fill(QColor(200, 200, 180));
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    MainWindow window;
    window.resize(1299, 980);
    window.show();
    if (!picture.save(path) || !openAndWait(window, path))
        return 1;
    window.editor().replaceMap(largestMap());
    QApplication::processEvents();
    QWidget* viewport = window.controls().canvas->viewport();

    // Presses on the first and the second box by turns: each selects, which repaints both.
    int turn = 0;
    const double press = medianMilliseconds(21, [&] {
        const QPointF at = ++turn % 2 ? QPointF(5, 5) : QPointF(35, 5);
        send(viewport, QEvent::MouseMove, at, Qt::NoButton);
        send(viewport, QEvent::MouseButtonPress, at, Qt::LeftButton);
        send(viewport, QEvent::MouseButtonRelease, at, Qt::NoButton);
    });
    send(viewport, QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton);
    int step = 0;
    const double drag = medianMilliseconds(101, [&] {
        ++step;
        send(viewport, QEvent::MouseMove, QPointF(5 + step % 40, 5 + step % 30), Qt::LeftButton);
    });
    send(viewport, QEvent::MouseButtonRelease, QPointF(5, 5), Qt::NoButton);
    const double generate = medianMilliseconds(5, [&] {
        window.output().discard(); // a fresh window each time, so that the text does not pile up
        window.generate();
    });
    const double copy = medianMilliseconds(5, [&] { window.output().window()->copyButton()->click(); });

    const ImageMap& map = window.editor().map();
    std::printf("map: %d boxes and %d polygons of 8 vertices, with texts; %lld characters of HTML\n", map.boxCount(),
        map.polygonCount(), static_cast<long long>(QGuiApplication::clipboard()->text().size()));
    std::printf("press that selects: median %8.2f ms\n", press);
    std::printf("move of a drag:     median %8.2f ms\n", drag);
    std::printf("Generate:           median %8.2f ms\n", generate);
    std::printf("Copy:               median %8.2f ms\n", copy);
    std::printf("peak memory: %.0f MB\n", memoryMegabytes("VmHWM"));
    std::printf("slowest median, ms: %.2f\n", std::max({ press, drag, generate, copy }));
    return 0;
}
