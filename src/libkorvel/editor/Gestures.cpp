#include "editor/Gestures.h"

#include "editor/AreaShapes.h"
#include "editor/Editing.h"
#include "map/Numbers.h"

#include <utility>

namespace {

void moveArea(const Gesture& gesture, const Pointer& pointer, Area& area)
{
    const double dx = pointer.x - gesture.press.x;
    const double dy = pointer.y - gesture.press.y;
    const Area& start = gesture.start;
    if (area.isBox())
        area.setBox(movedBox(start.box(), start.box().left + dx, start.box().top + dy));
    else
        area.setVertices(shiftedVertices(start.vertices(), dx, dy));
}

// A finished polygon stores its first corner again as its last: the two move together. A
// polygon stored without the copy (one being built, or one a page wrote so) has no twin.
void dragVertex(int vertex, const Pointer& pointer, Area& area)
{
    const std::vector<Vertex>& vertices = area.vertices();
    const int last = static_cast<int>(vertices.size()) - 1;
    if (vertex < 0 || vertex > last)
        return;
    const bool closed = last > 0 && vertices.front() == vertices.back();
    const Vertex moved { roundToInt16(pointer.x), roundToInt16(pointer.y) };
    area.setVertex(size_t(vertex), moved);
    if (closed && vertex == 0)
        area.setVertex(size_t(last), moved);
    else if (closed && vertex == last)
        area.setVertex(0, moved);
}

void resizeArea(const Gesture& gesture, const Pointer& pointer, Area& area)
{
    const bool circle = area.shape() == AreaShape::Circle;
    std::optional<Box> box;
    switch (gesture.handle.kind) {
    case Handle::Kind::Corner:
        box = draggedCorner(gesture.start.box(), gesture.handle.number, circle, pointer.x, pointer.y);
        break;
    case Handle::Kind::Side:
        box = draggedSide(gesture.start.box(), gesture.handle.number, circle, pointer.x, pointer.y);
        break;
    case Handle::Kind::Vertex:
        dragVertex(gesture.handle.number, pointer, area);
        return;
    case Handle::Kind::None:
        return;
    }
    // Past an opposite side the box keeps the last shape that applied.
    if (box)
        area.setBox(*box);
}

void stretchNewBox(const Gesture& gesture, const Pointer& pointer, Area& area)
{
    const Pointer& press = gesture.press;
    area.setBox(area.shape() == AreaShape::Circle ? rubberCircle(press.x, press.y, pointer.x, pointer.y)
                                                  : rubberRectangle(press.x, press.y, pointer.x, pointer.y));
}

} // namespace

void dragGesture(Editing& editing)
{
    const Gesture& gesture = editing.state.gesture;
    const Area* current = editing.map.find(gesture.area);
    if (!current)
        return; // the area went while the button was held (a key deleted it, say)
    Area area = *current;
    switch (gesture.kind) {
    case Gesture::Kind::Move:
        moveArea(gesture, editing.state.pointer, area);
        break;
    case Gesture::Kind::Resize:
        resizeArea(gesture, editing.state.pointer, area);
        break;
    case Gesture::Kind::Draw:
        stretchNewBox(gesture, editing.state.pointer, area);
        break;
    case Gesture::Kind::None:
        return;
    }
    editing.map.replace(area);
}

void finishGesture(Editing& editing)
{
    EditorState& state = editing.state;
    const Gesture gesture = std::exchange(state.gesture, Gesture {});
    switch (gesture.kind) {
    case Gesture::Kind::Move: // a key may have armed a tool meanwhile
        state.cursor = state.tool == Tool::Arrow ? Qt::ArrowCursor : Qt::CrossCursor;
        break;
    case Gesture::Kind::Draw:
        if (const Area* area = editing.map.find(gesture.area)) {
            selectArea(editing, area->id());
            showProperties(editing, *area);
        }
        armTool(editing, Tool::Arrow);
        break;
    case Gesture::Kind::Resize: // the handle stays armed until the pointer moves off it
        state.hover = gesture.handle;
        break;
    case Gesture::Kind::None:
        break;
    }
}
