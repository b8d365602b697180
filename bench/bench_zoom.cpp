// The zoom, on the real main window with real events, in a 1280 x 800 viewport:
//  1. milliseconds from a Ctrl+wheel notch (or a zoom key) until the viewport is painted
//     again, through every level of a 12000 x 9000 picture with a busy map on it: first
//     while the scaled copies below 100 % are still being made, then with all of them made;
//  2. the median milliseconds per pointer move while dragging a polygon vertex and a box
//     corner at every level, on the 6000 x 4000 map of bench_drag.
//   bench_zoom [--polygons N]   (default 2000 polygons of 50 vertices, and 2000 boxes)
#include "canvas/CanvasWidget.h"
#include "display/ZoomLevels.h"
#include "forms/ScrollBarControl.h"
#include "forms/ViewportFrame.h"
#include "mainwindow/MainForm.h"
#include "support/DocumentBuilders.h"
#include "support/DragTiming.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QWheelEvent>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kMoves = 300;
const QSize kViewport(1280, 800);

struct ZoomStep {
    const char* what;
    int wheelSteps; // 0: a key
    int16_t keyCode;
};

// From 100 % down to 1/16, up to 16x, back to 100 % and to the fitted picture.
std::vector<ZoomStep> ZoomTour()
{
    std::vector<ZoomStep> tour;
    for (int i = 0; i < 8; ++i)
        tour.push_back({ "wheel out", -1, 0 });
    for (int i = 0; i < 15; ++i)
        tour.push_back({ "wheel in", 1, 0 });
    tour.push_back({ "Ctrl+0", 0, 48 });
    tour.push_back({ "Ctrl+9", 0, 57 });
    return tour;
}

void MakeForm(MainForm& form, QSize picture, int polygons)
{
    form.resize(kViewport.width() + 2 + 17, 144 + kViewport.height() + 2 + 17 + 17);
    form.show();
    QImage image(picture, QImage::Format_RGB32);
    image.fill(QColor(90, 140, 60));
    for (int y = 0; y < picture.height(); y += 97) // some detail for the smooth copies to average
        std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)), picture.width(), qRgb(230, 220, 40));
    CanvasWidget* canvas = form.Controls().InnerPict;
    canvas->SetPicture(image);
    canvas->setEnabled(true);
    form.Session().Apply([polygons, picture](Editor& e) { BuildBusyMap(e, polygons, picture); });
    form.Form_Resize();
    QApplication::processEvents();
}

void WaitForCopies(MainForm& form)
{
    while (form.Controls().InnerPict->Picture().MakingCopies())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();
}

double TimedZoomStep(MainForm& form, const ZoomStep& step)
{
    ViewportFrame* viewport = form.Controls().OuterPict;
    const QPointF at = viewport->ClientArea()->mapTo(viewport, QPoint(kViewport.width() / 2, kViewport.height() / 2));
    QElapsedTimer timer;
    timer.start();
    if (step.wheelSteps != 0) {
        QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, 120 * step.wheelSteps), Qt::NoButton,
            Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
    } else {
        form.Form_KeyDown(step.keyCode, 2);
    }
    QApplication::processEvents(); // the layout, the scroll and the repaint
    return timer.nsecsElapsed() / 1e6;
}

void BenchZoomRepaint(int polygons)
{
    MainForm form;
    MakeForm(form, QSize(12000, 9000), polygons);
    const std::vector<ZoomStep> tour = ZoomTour();
    std::vector<double> first;
    std::vector<QString> levels;
    for (const ZoomStep& step : tour) {
        first.push_back(TimedZoomStep(form, step));
        levels.push_back(form.Controls().InnerPict->Zoom().PercentText());
    }
    QElapsedTimer waited;
    waited.start();
    WaitForCopies(form);
    const double copiesLeft = waited.nsecsElapsed() / 1e6;
    form.Zoom().ZoomTo(ZoomMapping(), form.Zoom().ViewportCentre());
    QApplication::processEvents();
    std::vector<double> later;
    for (const ZoomStep& step : tour)
        later.push_back(TimedZoomStep(form, step));

    std::printf("zoom: 12000 x 9000 picture, %d polygons and %d boxes, viewport 1280 x 800\n",
        form.editor().map.polyCount, form.editor().map.boxCount);
    std::printf("  %-10s %-8s %12s %12s\n", "step", "to", "first ms", "later ms");
    for (size_t i = 0; i < tour.size(); ++i)
        std::printf("  %-10s %-8s %12.2f %12.2f\n", tour[i].what, qPrintable(levels[i]), first[i], later[i]);
    std::printf("  the copies still being made after the first tour took %.0f ms more\n", copiesLeft);
    std::printf("zoom repaint: slowest %.2f ms while the copies were made, %.2f ms with them made\n",
        *std::max_element(first.begin(), first.end()), *std::max_element(later.begin(), later.end()));
}

// Scrolls so that picture point p is in the middle of the viewport at 100 %, then zooms
// around it, so that it stays there.
void ZoomAround(MainForm& form, QPoint p, const ZoomMapping& level)
{
    const MainFormControls& c = form.Controls();
    const QPoint centre = form.Zoom().ViewportCentre();
    form.Zoom().ZoomTo(ZoomMapping(), centre);
    c.HBar->setValue(centre.x() - p.x());
    c.VBar->setValue(centre.y() - p.y());
    form.Zoom().ZoomTo(level, c.InnerPict->pos() + p);
    WaitForCopies(form); // the smooth copy, so that no worker competes with the drag
}

QPointF OnScreen(const ZoomMapping& zoom, QPoint picturePixel)
{
    return QPointF(zoom.ScreenPixel(picturePixel.x()), zoom.ScreenPixel(picturePixel.y()));
}

// Returns the slowest of the levels' medians, or a negative number when a drag did not
// reach the map.
double BenchDragAtEveryLevel(int polygons)
{
    MainForm form;
    MakeForm(form, QSize(6000, 4000), polygons);
    CanvasWidget* canvas = form.Controls().InnerPict;
    const auto target = static_cast<int16_t>(polygons / 2);
    const int16_t box = form.editor().map.boxCount;
    std::printf("drag: %d polygons of 50 vertices and %d boxes on a 6000 x 4000 picture, viewport 1280 x 800, "
                "%d moves a drag\n",
        form.editor().map.polyCount, form.editor().map.boxCount, kMoves);
    std::printf("  %-8s %18s %18s\n", "zoom", "vertex median ms", "corner median ms");
    const PolygonArea polygon = form.editor().map.polygon(target); // each level drags it afresh
    const QPoint vertex(polygon.vertexX[1], polygon.vertexY[1]);
    double slowest = 0;
    for (const ZoomMapping& level : ZoomLevels()) {
        ZoomAround(form, vertex, level);
        form.Session().Apply([target, &polygon](Editor& e) {
            e.map.polygon(target) = polygon;
            SelectTestPolygon(e, target);
        });
        form.RedrawOverlay();
        QApplication::processEvents();
        const double vertexMedian = Median(TimedDrag(canvas, OnScreen(level, vertex), kMoves));

        // A box whose bottom-right corner is 10 picture pixels off the vertex's first place.
        const QRectF placed(vertex.x() - 50, vertex.y() - 30, 60, 40);
        form.Session().Apply([box, placed](Editor& e) {
            MoveShape(e.map.box(box), placed.x(), placed.y(), placed.width(), placed.height());
            SelectTestBox(e, box);
        });
        form.RedrawOverlay();
        QApplication::processEvents();
        const double cornerMedian = Median(TimedDrag(canvas, OnScreen(level, vertex + QPoint(10, 10)), kMoves));

        const PolygonArea& dragged = form.editor().map.polygon(target);
        const BoxArea& resized = form.editor().map.box(box);
        if (QPoint(dragged.vertexX[1], dragged.vertexY[1]) == vertex
            || QRectF(resized.Left, resized.Top, resized.Width, resized.Height) == placed) {
            std::fprintf(
                stderr, "bench_zoom: the drags at %s did not reach the map\n", qPrintable(level.PercentText()));
            return -1;
        }
        std::printf("  %-8s %18.3f %18.3f\n", qPrintable(level.PercentText()), vertexMedian, cornerMedian);
        slowest = std::max({ slowest, vertexMedian, cornerMedian });
    }
    return slowest;
}

} // namespace

int main(int argc, char* argv[])
{
    PreferOffscreenPlatform();
    QApplication app(argc, argv);
    const int polygons = PolygonsFromArguments(argc, argv);

    BenchZoomRepaint(polygons);
    const double slowest = BenchDragAtEveryLevel(polygons);
    if (slowest < 0)
        return 1;
    std::printf("drag at every zoom: slowest median %.3f ms per move\n", slowest);
    return 0;
}
