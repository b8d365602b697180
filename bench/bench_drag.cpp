// Milliseconds per pointer move while dragging on a busy map: the handler, the overlay
// redraw and the repaint it causes, with real mouse events on the real main window.
//   bench_drag [--polygons N]   (default 2000 polygons of 50 vertices, and 2000 boxes,
//                                on a 6000 x 4000 picture in a 1280 x 800 viewport)
// It also times the hit test of a press: over nothing (every area looked at) and over the
// polygon looked at last. The last line ends with the median over both drags.
#include "canvas/CanvasWidget.h"
#include "editing/HitTest.h"
#include "mainwindow/MainForm.h"
#include "support/DocumentBuilders.h"
#include "support/DragTiming.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kImageWidth = 6000;
constexpr int kImageHeight = 4000;
constexpr int kMoves = 500;

// Median milliseconds of FindAreaUnderMouse with the pointer at (x, y); found is what it found.
double HitTestMilliseconds(Editor editor, float x, float y, AreaRef& found)
{
    editor.state.mouseX = x;
    editor.state.mouseY = y;
    std::vector<double> times;
    for (int i = 0; i < 51; ++i) {
        QElapsedTimer clock;
        clock.start();
        found = FindAreaUnderMouse(editor);
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    return Median(times);
}

} // namespace

int main(int argc, char* argv[])
{
    PreferOffscreenPlatform();
    QApplication app(argc, argv);
    const int polygons = PolygonsFromArguments(argc, argv);

    MainForm form;
    form.resize(1280 + 2 + 17, 144 + 800 + 2 + 17 + 17); // a 1280 x 800 viewport between the bars
    form.show();
    QImage picture(kImageWidth, kImageHeight, QImage::Format_RGB32);
    picture.fill(QColor(90, 140, 60));
    CanvasWidget* canvas = form.Controls().InnerPict;
    canvas->SetPicture(picture);
    canvas->setEnabled(true);
    form.Session().Apply([polygons](Editor& e) { BuildBusyMap(e, polygons, QSize(kImageWidth, kImageHeight)); });
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
    const std::vector<double> vertexTimes = TimedDrag(canvas, vertex, kMoves);

    // A box in view: select it, then drag its bottom-right corner.
    const int16_t box = form.Session().editor().map.boxCount;
    form.Session().Apply([box, left, top](Editor& e) {
        MoveShape(e.map.box(box), left + 300, top + 300, 60, 40);
        SelectTestBox(e, box);
    });
    form.RedrawOverlay();
    QApplication::processEvents();
    const std::vector<double> boxTimes = TimedDrag(canvas, QPointF(left + 360, top + 340), kMoves);

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
    // Polygon 1 is looked at after every other area; its centre, unless a box covers it.
    const PolygonArea& last = form.editor().map.polygon(1);
    AreaRef nothing, found;
    const double overNothing = HitTestMilliseconds(form.editor(), -5, -5, nothing);
    const double overLast = HitTestMilliseconds(form.editor(), (last.vertexX[1] + last.vertexX[25]) / 2.f,
        int16_t((last.vertexY[1] + last.vertexY[25]) / 2), found);
    std::printf("hit test of a press: %.3f ms over nothing, %.3f ms over %s\n", overNothing, overLast,
        found.kind == AreaKind::Polygon && found.index == 1 ? "the polygon looked at last" : "a box");
    std::printf("vertex drag, %d moves:      median %.3f ms per move\n", kMoves, Median(vertexTimes));
    std::printf("box corner drag, %d moves:  median %.3f ms per move\n", kMoves, Median(boxTimes));
    std::printf("both drags: median ms per move %.3f\n", Median(all));
    return 0;
}
