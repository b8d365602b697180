#include "support/DragTiming.h"

#include "support/DocumentBuilders.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>

void BuildBusyMap(Editor& editor, int polygons, QSize picture)
{
    QRandomGenerator random(20261206);
    for (int i = 0; i < polygons; ++i) {
        const int cx = random.bounded(60, picture.width() - 60);
        const int cy = random.bounded(60, picture.height() - 60);
        Vertices corners;
        for (int k = 0; k < 49; ++k) { // 49 corners and the closing copy: 50 stored vertices
            const double angle = 2 * M_PI * k / 49;
            const double radius = 20 + random.bounded(30);
            corners.emplace_back(static_cast<int16_t>(cx + radius * std::cos(angle)),
                static_cast<int16_t>(cy + radius * std::sin(angle)));
        }
        AddTestPolygon(editor.map, corners);
    }
    for (int i = 0; i < 2000; ++i)
        AddTestBox(editor.map, random.bounded(picture.width() - 100), random.bounded(picture.height() - 100),
            20 + random.bounded(80), 20 + random.bounded(80), i % 2 ? kCircleShape : kRectangleShape);
}

void SendMouse(QWidget* canvas, int type, QPointF at, Qt::MouseButtons buttons)
{
    QMouseEvent event(
        static_cast<QEvent::Type>(type), at, canvas->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

std::vector<double> TimedDrag(QWidget* canvas, QPointF from, int moves)
{
    SendMouse(canvas, QEvent::MouseMove, from, Qt::NoButton);
    SendMouse(canvas, QEvent::MouseButtonPress, from, Qt::LeftButton);
    QApplication::processEvents();
    std::vector<double> times;
    for (int i = 1; i <= moves; ++i) {
        const QPointF at = from + QPointF(40 * std::sin(i / 20.0), 30 * std::sin(i / 13.0)) + QPointF(i % 2, 0);
        QElapsedTimer timer;
        timer.start();
        SendMouse(canvas, QEvent::MouseMove, at, Qt::LeftButton);
        QApplication::processEvents(); // the repaint
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    SendMouse(canvas, QEvent::MouseButtonRelease, from, Qt::NoButton);
    QApplication::processEvents();
    return times;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void PreferOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int PolygonsFromArguments(int argc, char* argv[])
{
    int polygons = 2000;
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--polygons")
            polygons = std::clamp(std::atoi(argv[i + 1]), 2, int(kMaxAreasPerKind));
    return polygons;
}
