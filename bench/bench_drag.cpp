// Milliseconds per pointer move while dragging on a busy map: the handler, the overlay
// redraw and the repaint it causes, with real mouse events on the real main window.
//   bench_drag [--polygons N]   (default 2000 polygons of 50 vertices, and 2000 boxes,
//                                on a 6000 x 4000 picture in a 1280 x 800 viewport)
// The last line ends with the median over both drags.
#include "canvas/CanvasWidget.h"
#include "mainwindow/MainForm.h"
#include "support/DocumentBuilders.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kImageWidth = 6000;
constexpr int kImageHeight = 4000;
constexpr int kMoves = 500;

void BuildBusyMap(Editor& editor, int polygons)
{
    QRandomGenerator random(20261206);
    for (int i = 0; i < polygons; ++i) {
        const int cx = random.bounded(60, kImageWidth - 60);
        const int cy = random.bounded(60, kImageHeight - 60);
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
        AddTestBox(editor.map, random.bounded(kImageWidth - 100), random.bounded(kImageHeight - 100),
            20 + random.bounded(80), 20 + random.bounded(80), i % 2 ? kCircleShape : kRectangleShape);
}

void Send(QWidget* canvas, QEvent::Type type, QPointF at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, canvas->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

// Presses at from and moves 500 times around it, timing each move until it is painted.
std::vector<double> Drag(QWidget* canvas, QPointF from)
{
    Send(canvas, QEvent::MouseMove, from, Qt::NoButton); // hover: arms the handle
    Send(canvas, QEvent::MouseButtonPress, from, Qt::LeftButton);
    QApplication::processEvents();
    std::vector<double> times;
    for (int i = 1; i <= kMoves; ++i) {
        const QPointF at = from + QPointF(40 * std::sin(i / 20.0), 30 * std::sin(i / 13.0)) + QPointF(i % 2, 0);
        QElapsedTimer timer;
        timer.start();
        Send(canvas, QEvent::MouseMove, at, Qt::LeftButton);
        QApplication::processEvents(); // the repaint
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    Send(canvas, QEvent::MouseButtonRelease, from, Qt::NoButton);
    QApplication::processEvents();
    return times;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int polygons = 2000;
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--polygons")
            polygons = std::clamp(std::atoi(argv[i + 1]), 2, int(kMaxAreasPerKind));

    MainForm form;
    form.resize(1280 + 2 + 17, 144 + 800 + 2 + 17 + 17); // a 1280 x 800 viewport between the bars
    form.show();
    QImage picture(kImageWidth, kImageHeight, QImage::Format_RGB32);
    picture.fill(QColor(90, 140, 60));
    CanvasWidget* canvas = form.Controls().InnerPict;
    canvas->SetPicture(picture);
    canvas->setEnabled(true);
    form.Session().Apply([polygons](Editor& e) { BuildBusyMap(e, polygons); });
    form.Form_Resize();

    // Scroll so that the dragged polygon is in view, and select it with a press inside.
    const PolygonArea& target = form.editor().map.polygon(int16_t(polygons / 2));
    const QPoint vertex(target.vertexX[1], target.vertexY[1]);
    const int left = std::clamp(vertex.x() - 640, 0, kImageWidth - 1280);
    const int top = std::clamp(vertex.y() - 400, 0, kImageHeight - 800);
    canvas->move(-left, -top);
    form.RedrawOverlay();
    QApplication::processEvents();
    form.Session().Apply([polygons](Editor& e) { SelectTestPolygon(e, int16_t(polygons / 2)); });
    form.RedrawOverlay();
    QApplication::processEvents();
    const std::vector<double> vertexTimes = Drag(canvas, vertex);

    // A box in view: select it, then drag its bottom-right corner.
    const int16_t box = form.Session().editor().map.boxCount;
    form.Session().Apply([box, left, top](Editor& e) {
        MoveShape(e.map.box(box), left + 300, top + 300, 60, 40);
        SelectTestBox(e, box);
    });
    form.RedrawOverlay();
    QApplication::processEvents();
    const std::vector<double> boxTimes = Drag(canvas, QPointF(left + 360, top + 340));

    // Both drags must have changed the map, or they measured nothing.
    const PolygonArea& dragged = form.editor().map.polygon(int16_t(polygons / 2));
    const BoxArea& resized = form.editor().map.box(box);
    const QRectF placed(left + 300, top + 300, 60, 40);
    if (QPoint(dragged.vertexX[1], dragged.vertexY[1]) == vertex
        || QRectF(resized.Left, resized.Top, resized.Width, resized.Height) == placed) {
        std::fprintf(stderr, "bench_drag: the drags did not reach the map\n");
        return 1;
    }

    std::vector<double> all = vertexTimes;
    all.insert(all.end(), boxTimes.begin(), boxTimes.end());
    std::printf("map: %d polygons of 50 vertices and %d boxes on a %d x %d picture, viewport 1280 x 800\n",
        form.editor().map.polyCount, form.editor().map.boxCount, kImageWidth, kImageHeight);
    std::printf("vertex drag, %d moves:      median %.3f ms per move\n", kMoves, Median(vertexTimes));
    std::printf("box corner drag, %d moves:  median %.3f ms per move\n", kMoves, Median(boxTimes));
    std::printf("both drags: median ms per move %.3f\n", Median(all));
    return 0;
}
