#include "editor/Editing.h"
#include "editor/HitTest.h"
#include "editor/PolygonCorners.h"
#include "editor/Tools.h"

namespace {

Qt::CursorShape cursorFor(Handle handle)
{
    switch (handle.kind) {
    case Handle::Kind::Corner:
        return handle.number == 1 || handle.number == 4 ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    case Handle::Kind::Side:
        return handle.number <= 2 ? Qt::SizeHorCursor : Qt::SizeVerCursor;
    case Handle::Kind::Vertex:
        return Qt::SizeAllCursor;
    case Handle::Kind::None:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace

void ArrowTool::hover(Editing& editing) const
{
    EditorState& state = editing.state;
    const Area* selected = editing.selectedArea();
    const Handle handle = selected ? handleUnderPointer(*selected, state.pointer, editing.view.zoom) : Handle {};
    if (!handle.isNone()) {
        state.hover = handle;
        state.cursor = cursorFor(handle);
    } else if (!state.hover.isNone()) {
        // Leaving a handle shows the arrow again; over the body of an area nothing changes.
        state.hover = {};
        state.cursor = Qt::ArrowCursor;
    }
}

void ArrowTool::press(Editing& editing, Qt::KeyboardModifiers modifiers) const
{
    if (modifiers.testFlag(Qt::ControlModifier) && removeCornerUnderPointer(editing))
        return;
    EditorState& state = editing.state;
    const Area* selected = editing.selectedArea();
    if (selected && !state.hover.isNone()) {
        // The hover armed this handle: the press only starts dragging it.
        state.gesture = { Gesture::Kind::Resize, selected->id(), state.hover, state.pointer, *selected };
        return;
    }
    // The selected polygon's edges grab as far as its handles do, on either side of the line,
    // so that the first click of a double-click there keeps it selected.
    const AreaId hit = selected && edgeForNewCorner(editing) >= 0
        ? selected->id()
        : areaUnderPointer(editing.map, editing.index, state.pointer.x, state.pointer.y);
    selectArea(editing, 0);
    clearProperties(editing);
    if (hit == 0)
        return;
    selectArea(editing, hit);
    const Area& area = *editing.map.find(hit);
    state.gesture = { Gesture::Kind::Move, hit, {}, state.pointer, area };
    state.cursor = Qt::SizeAllCursor;
    showProperties(editing, area);
}
