#include "support/DragTiming.h"

#include "editor/MapEditor.h"
#include "view/CanvasView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

void buildBusyMap(MapEditor& editor, int polygons, QSize picture)
{
    QRandomGenerator random(20261206);
    std::vector<Area> boxes, rings;
    for (int i = 0; i < polygons; ++i) {
        const int cx = random.bounded(60, picture.width() - 60);
        const int cy = random.bounded(60, picture.height() - 60);
        std::vector<Vertex> corners;
        for (int k = 0; k < 49; ++k) { // 49 corners and the closing copy: 50 stored vertices
            const double angle = 2 * M_PI * k / 49;
            const double radius = 20 + random.bounded(30);
            corners.push_back({ static_cast<int16_t>(cx + radius * std::cos(angle)),
                static_cast<int16_t>(cy + radius * std::sin(angle)) });
        }
        corners.push_back(corners.front());
        rings.push_back(Area::polygon(std::move(corners)));
    }
    for (int i = 0; i < 2000; ++i) {
        const Box box { float(random.bounded(picture.width() - 100)), float(random.bounded(picture.height() - 100)),
            float(20 + random.bounded(80)), float(20 + random.bounded(80)) };
        boxes.push_back(i % 2 ? Area::circle(box) : Area::rectangle(box));
    }
    boxes.insert(boxes.end(), rings.begin(), rings.end());
    editor.apply([&boxes](Editing& e) { e.map.reset(std::move(boxes)); });
}

} // namespace

void showBusyMap(CanvasView& view, MapEditor& editor, QSize viewport, QSize picture, int polygons)
{
    QCursor::setPos(-5000, -5000); // away from the canvas, whose hover would otherwise follow it
    view.resize(viewport + QSize(2 + CanvasView::kScrollBarThickness, 2 + CanvasView::kScrollBarThickness));
    view.showScrollBars(true, true);
    QImage image(picture, QImage::Format_RGB32);
    image.fill(QColor(90, 140, 60));
    for (int y = 0; y < picture.height(); y += 97)
        std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)), picture.width(), qRgb(230, 220, 40));
    view.setPicture(image);
    view.show();
    buildBusyMap(editor, polygons, picture);
    QApplication::processEvents();
}

void waitForCopies(const CanvasView& view)
{
    while (view.scalingPicture())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();
}

void sendMouse(QWidget* widget, int type, QPointF at, Qt::MouseButtons buttons)
{
    QMouseEvent event(
        static_cast<QEvent::Type>(type), at, widget->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

std::vector<double> timedDrag(QWidget* viewport, QPointF from, int moves)
{
    sendMouse(viewport, QEvent::MouseMove, from, Qt::NoButton);
    sendMouse(viewport, QEvent::MouseButtonPress, from, Qt::LeftButton);
    QApplication::processEvents();
    std::vector<double> times;
    QPointF at = from;
    for (int i = 1; i <= moves; ++i) {
        at = from + QPointF(40 * std::sin(i / 20.0), 30 * std::sin(i / 13.0)) + QPointF(i % 2, 0);
        QElapsedTimer timer;
        timer.start();
        sendMouse(viewport, QEvent::MouseMove, at, Qt::LeftButton);
        QApplication::processEvents(); // the repaint
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    sendMouse(viewport, QEvent::MouseButtonRelease, at, Qt::NoButton);
    QApplication::processEvents();
    return times;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void preferOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int polygonsFromArguments(int argc, char* argv[])
{
    int polygons = 2000;
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--polygons")
            polygons = std::clamp(std::atoi(argv[i + 1]), 2, int(kMaxAreasPerKind));
    return polygons;
}
