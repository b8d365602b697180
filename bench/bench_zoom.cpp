// The zoom, on the canvas with real events, in a 1280 x 800 viewport:
//  1. milliseconds from a Ctrl+wheel notch (or a zoom command) until the viewport is painted
//     again, through every level of a 12000 x 9000 picture with a busy map on it: first
//     while the scaled copies below 100 % are still being made, then with all of them made;
//  2. the median milliseconds per pointer move while dragging a polygon vertex and a box
//     corner at every level, on the 6000 x 4000 map of bench_drag.
//   bench_zoom [--polygons N]   (default 2000 polygons of 50 vertices, and 2000 boxes)
#include "editor/MapEditor.h"
#include "support/DragTiming.h"
#include "view/CanvasView.h"
#include "view/ZoomLevels.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kMoves = 300;
const QSize kViewport(1280, 800);

struct ZoomStep {
    const char* what;
    int wheelSteps; // 0: a command
    void (CanvasView::*command)();
};

// From 100 % down to 1/16, up to 16x, back to 100 % and to the fitted picture.
std::vector<ZoomStep> zoomTour()
{
    std::vector<ZoomStep> tour;
    for (int i = 0; i < 8; ++i)
        tour.push_back({ "wheel out", -1, nullptr });
    for (int i = 0; i < 15; ++i)
        tour.push_back({ "wheel in", 1, nullptr });
    tour.push_back({ "100%", 0, &CanvasView::zoomToActualSize });
    tour.push_back({ "fit", 0, &CanvasView::zoomToFit });
    return tour;
}

double timedZoomStep(CanvasView& view, const ZoomStep& step)
{
    const QPointF at(kViewport.width() / 2, kViewport.height() / 2);
    QElapsedTimer timer;
    timer.start();
    if (step.wheelSteps != 0) {
        QWheelEvent wheel(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120 * step.wheelSteps),
            Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &wheel);
    } else {
        (view.*step.command)();
    }
    QApplication::processEvents(); // the repaint
    return timer.nsecsElapsed() / 1e6;
}

void benchZoomRepaint(int polygons)
{
    MapEditor editor;
    CanvasView view(editor);
    const QSize picture(12000, 9000);
    showBusyMap(view, editor, kViewport, picture, polygons);
    const std::vector<ZoomStep> tour = zoomTour();
    std::vector<double> first;
    std::vector<QString> levels;
    for (const ZoomStep& step : tour) {
        first.push_back(timedZoomStep(view, step));
        levels.push_back(view.zoom().percentText());
    }
    QElapsedTimer waited;
    waited.start();
    waitForCopies(view);
    const double copiesLeft = waited.nsecsElapsed() / 1e6;
    view.zoomToActualSize();
    QApplication::processEvents();
    std::vector<double> later;
    for (const ZoomStep& step : tour)
        later.push_back(timedZoomStep(view, step));

    std::printf("zoom: 12000 x 9000 picture, %d polygons and %d boxes, viewport 1280 x 800\n",
        editor.map().polygonCount(), editor.map().boxCount());
    std::printf("  %-10s %-8s %12s %12s\n", "step", "to", "first ms", "later ms");
    for (size_t i = 0; i < tour.size(); ++i)
        std::printf("  %-10s %-8s %12.2f %12.2f\n", tour[i].what, qPrintable(levels[i]), first[i], later[i]);
    std::printf("  the copies still being made after the first tour took %.0f ms more\n", copiesLeft);
    std::printf("zoom repaint: slowest %.2f ms while the copies were made, %.2f ms with them made\n",
        *std::max_element(first.begin(), first.end()), *std::max_element(later.begin(), later.end()));
}

// Scrolls so that picture point p is in the middle of the viewport at 100 %, then zooms
// around it, so that it stays there; returns where it is in the viewport.
QPoint zoomAround(CanvasView& view, QPoint p, const ZoomMapping& level)
{
    const QPoint centre(kViewport.width() / 2, kViewport.height() / 2);
    view.zoomToActualSize();
    view.horizontalScrollBar()->setValue(p.x() - centre.x());
    view.verticalScrollBar()->setValue(p.y() - centre.y());
    view.zoomTo(level, p - QPoint(view.horizontalScrollBar()->value(), view.verticalScrollBar()->value()));
    waitForCopies(view); // the smooth copy, so that no worker competes with the drag
    const QPoint screen = level.screenPixelOf(p);
    return screen - QPoint(view.horizontalScrollBar()->value(), view.verticalScrollBar()->value());
}

// Returns the slowest of the levels' medians, or a negative number when a drag did not
// reach the map.
double benchDragAtEveryLevel(int polygons)
{
    MapEditor editor;
    CanvasView view(editor);
    const QSize picture(6000, 4000);
    showBusyMap(view, editor, kViewport, picture, polygons);
    const ImageMap& map = editor.map();
    const Area polygon = map.at(map.boxCount() + polygons / 2); // each level drags it afresh
    const AreaId box = map.at(map.boxCount() - 1).id();
    const QPoint vertex(polygon.vertices().front().x, polygon.vertices().front().y);
    std::printf("drag: %d polygons of 50 vertices and %d boxes on a 6000 x 4000 picture, viewport 1280 x 800, "
                "%d moves a drag\n",
        map.polygonCount(), map.boxCount(), kMoves);
    std::printf("  %-8s %18s %18s\n", "zoom", "vertex median ms", "corner median ms");
    double slowest = 0;
    for (const ZoomMapping& level : zoomLevels()) {
        const QPoint onScreen = zoomAround(view, vertex, level);
        editor.apply([&polygon](Editing& e) {
            e.map.replace(polygon);
            selectArea(e, polygon.id());
        });
        QApplication::processEvents();
        const double vertexMedian = median(timedDrag(view.viewport(), onScreen, kMoves));

        // A box whose bottom-right corner is 10 picture pixels off the vertex's first place.
        const Box placed { float(vertex.x() - 50), float(vertex.y() - 30), 60, 40 };
        editor.apply([&](Editing& e) {
            Area area = *e.map.find(box);
            area.setBox(placed);
            e.map.replace(area);
            selectArea(e, box);
        });
        QApplication::processEvents();
        const QPoint corner = onScreen + level.screenPixelOf(vertex + QPoint(10, 10)) - level.screenPixelOf(vertex);
        const double cornerMedian = median(timedDrag(view.viewport(), corner, kMoves));

        if (map.find(polygon.id())->vertices() == polygon.vertices() || map.find(box)->box() == placed) {
            std::fprintf(
                stderr, "bench_zoom: the drags at %s did not reach the map\n", qPrintable(level.percentText()));
            return -1;
        }
        std::printf("  %-8s %18.3f %18.3f\n", qPrintable(level.percentText()), vertexMedian, cornerMedian);
        slowest = std::max({ slowest, vertexMedian, cornerMedian });
    }
    return slowest;
}

} // namespace

int main(int argc, char* argv[])
{
    preferOffscreenPlatform();
    QApplication app(argc, argv);
    const int polygons = polygonsFromArguments(argc, argv);

    benchZoomRepaint(polygons);
    const double slowest = benchDragAtEveryLevel(polygons);
    if (slowest < 0)
        return 1;
    std::printf("drag at every zoom: slowest median %.3f ms per move\n", slowest);
    return 0;
}
