// What undo costs on the largest map (32,766 boxes and 32,766 polygons): the memory that 1,000
// nudge steps keep, the time a nudge takes with its step recorded, and an undo. The last line
// ends with the megabytes for 1,000 steps.
#include "editor/MapEditor.h"
#include "support/DragTiming.h"
#include "support/Measuring.h"

#include <QGuiApplication>

#include <cstdio>
#include <malloc.h>

namespace {

double heapMegabytes()
{
    return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char* argv[])
{
    preferOffscreenPlatform();
    QGuiApplication app(argc, argv);
    MapEditor editor;
    editor.replaceMap(largestMap());
    editor.apply([](Editing& e) { selectArea(e, e.map.at(0).id()); });

    constexpr int kSteps = 1000;
    const double before = heapMegabytes();
    int step = 0;
    // Left and Right by turns: no nudge merges with the one before.
    const double nudge = medianMilliseconds(kSteps, [&] { editor.nudgeSelected(++step % 2 ? -1 : 1, 0); });
    const double after = heapMegabytes();
    const double undo = medianMilliseconds(101, [&] { editor.undo(); });

    std::printf("map: %d boxes and %d polygons; %d steps on the undo stack\n", editor.map().boxCount(),
        editor.map().polygonCount(), editor.undoStack().count());
    std::printf("nudge with its step recorded: median %.3f ms; undo: median %.3f ms\n", nudge, undo);
    std::printf("memory kept by %d nudge steps, MB: %.3f\n", kSteps, after - before);
    return 0;
}
