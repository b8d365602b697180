// What undo costs on the largest map (32,766 boxes and 32,766 polygons): the memory that
// 1,000 nudge steps keep, and the time a nudge takes with its step recorded. The last line
// ends with the megabytes for 1,000 steps.
#include "editing/EditorSession.h"
#include "support/LargestMap.h"
#include "support/RecordingView.h"
#include "undo/UndoHistory.h"

#include <QCoreApplication>

#include <cstdio>
#include <malloc.h>

namespace {

double HeapMegabytes()
{
    return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    RecordingView view;
    EditorSession session(view);
    UndoHistory history(session);
    session.SetHistory(&history);
    const ImagemapDocument map = LargestMap();
    session.Apply([&map](Editor& e) {
        e.map = map;
        e.state.selBox = 1;
        e.map.box(1).BorderColor = SelectedColour;
    });

    constexpr int kSteps = 1000;
    const double before = HeapMegabytes();
    int step = 0;
    // Left and Right by turns: each nudge is a step of its own, none merges with the last.
    const double nudge = MedianMilliseconds(kSteps, [&] { session.KeyDown(++step % 2 ? 37 : 39, 0); });
    const double after = HeapMegabytes();
    const double undo = MedianMilliseconds(101, [&] { history.Undo(); });

    std::printf("map: %d boxes and %d polygons; %d steps on the undo stack\n", session.editor().map.boxCount,
        session.editor().map.polyCount, history.Stack().count());
    std::printf("nudge with its step recorded: median %.2f ms; undo: median %.3f ms\n", nudge, undo);
    std::printf("memory kept by %d nudge steps, MB: %.3f\n", kSteps, after - before);
    return 0;
}
