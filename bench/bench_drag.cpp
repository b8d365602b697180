// Milliseconds per pointer move while dragging on a busy map: the editor, the repaint of what
// changed and the painting of it, with real mouse events on the canvas's viewport.
//   bench_drag [--polygons N]   (default 2000 polygons of 50 vertices, and 2000 boxes,
//                                on a 6000 x 4000 picture in a 1280 x 800 viewport)
// It also times the hit test of a press: over nothing and over the polygon looked at last.
// The last line ends with the median over both drags.
#include "editor/HitTest.h"
#include "editor/MapEditor.h"
#include "support/DragTiming.h"
#include "view/CanvasView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QSize kPicture(6000, 4000);
const QSize kViewport(1280, 800);
constexpr int kMoves = 500;

// Median milliseconds of the hit test of a press at (x, y); found is what it found.
double hitTestMilliseconds(const MapEditor& editor, double x, double y, AreaId& found)
{
    std::vector<double> times;
    for (int i = 0; i < 51; ++i) {
        QElapsedTimer clock;
        clock.start();
        found = areaUnderPointer(editor.map(), editor.index(), x, y);
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    return median(times);
}

void select(MapEditor& editor, AreaId id)
{
    editor.apply([id](Editing& e) { selectArea(e, id); });
    QApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[])
{
    preferOffscreenPlatform();
    QApplication app(argc, argv);
    const int polygons = polygonsFromArguments(argc, argv);

    MapEditor editor;
    CanvasView view(editor);
    showBusyMap(view, editor, kViewport, kPicture, polygons);
    const ImageMap& map = editor.map();
    const int boxes = map.boxCount();

    // Scroll so that the dragged polygon is in view, select it, and drag its first vertex.
    const Area target = map.at(boxes + polygons / 2);
    const QPoint vertex(target.vertices().front().x, target.vertices().front().y);
    const QPoint scroll(std::clamp(vertex.x() - kViewport.width() / 2, 0, kPicture.width() - kViewport.width()),
        std::clamp(vertex.y() - kViewport.height() / 2, 0, kPicture.height() - kViewport.height()));
    view.horizontalScrollBar()->setValue(scroll.x());
    view.verticalScrollBar()->setValue(scroll.y());
    select(editor, target.id());
    const std::vector<double> vertexTimes = timedDrag(view.viewport(), vertex - scroll, kMoves);

    // A box in view: select it, then drag its bottom-right corner.
    const AreaId box = map.at(boxes - 1).id();
    const Box placed { float(scroll.x() + 300), float(scroll.y() + 300), 60, 40 };
    editor.apply([&](Editing& e) {
        Area area = *e.map.find(box);
        area.setBox(placed);
        e.map.replace(area);
    });
    select(editor, box);
    const std::vector<double> boxTimes = timedDrag(view.viewport(), QPointF(360, 340), kMoves);

    // Both drags must have changed the map, or they measured nothing.
    if (map.find(target.id())->vertices() == target.vertices() || map.find(box)->box() == placed) {
        std::fprintf(stderr, "bench_drag: the drags did not reach the map\n");
        return 1;
    }

    std::vector<double> all = vertexTimes;
    all.insert(all.end(), boxTimes.begin(), boxTimes.end());
    std::printf("map: %d polygons of 50 vertices and %d boxes on a %d x %d picture, viewport %d x %d\n",
        map.polygonCount(), map.boxCount(), kPicture.width(), kPicture.height(), kViewport.width(), kViewport.height());
    // The hit test looks at the areas listed near the press. Over nothing: where the most are
    // listed; over the first polygon, which is looked at last.
    QPointF empty(-5, -5);
    size_t mostNear = 0;
    for (int y = 0; y < kPicture.height(); y += 25)
        for (int x = 0; x < kPicture.width(); x += 25) {
            const size_t near = editor.index().indexesNear(QRectF(x, y, 0, 0)).size();
            if (near > mostNear && areaUnderPointer(map, editor.index(), x, y) == 0) {
                mostNear = near;
                empty = QPointF(x, y);
            }
        }
    const Area& last = map.at(boxes);
    const Vertex a = last.vertices()[0], b = last.vertices()[24];
    AreaId nothing = 0, found = 0;
    const double overNothing = hitTestMilliseconds(editor, empty.x(), empty.y(), nothing);
    const double overLast = hitTestMilliseconds(editor, (a.x + b.x) / 2, (a.y + b.y) / 2, found);
    const bool overBox = found != 0 && map.find(found)->isBox();
    std::printf("hit test of a press: %.4f ms over nothing (%zu areas near), %.4f ms over %s\n", overNothing, mostNear,
        overLast,
        found == last.id() ? "the polygon looked at last"
            : overBox      ? "a box above the polygon looked at last"
                           : "a polygon above the one looked at last");
    std::printf("vertex drag, %d moves:      median %.3f ms per move\n", kMoves, median(vertexTimes));
    std::printf("box corner drag, %d moves:  median %.3f ms per move\n", kMoves, median(boxTimes));
    std::printf("both drags: median ms per move %.3f\n", median(all));
    return 0;
}
