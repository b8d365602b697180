#include "editor/Editing.h"
#include "editor/HitTest.h"
#include "editor/Tools.h"
#include "map/Numbers.h"

namespace {

Vertex vertexAtPointer(const Pointer& pointer)
{
    return { roundToInt16(pointer.x), roundToInt16(pointer.y) };
}

void startPolygon(Editing& editing)
{
    if (!editing.map.hasRoomFor(AreaShape::Polygon)) {
        editing.notice = areaLimitMessage(AreaShape::Polygon);
        return;
    }
    selectArea(editing, 0);
    editing.state.building = editing.map.append(Area::polygon({ vertexAtPointer(editing.state.pointer) }));
}

// The polygon is finished by storing its first corner again as its last.
void closePolygon(Editing& editing, Area polygon)
{
    EditorState& state = editing.state;
    std::vector<Vertex> vertices = polygon.vertices();
    vertices.push_back(vertices.front());
    polygon.setVertices(std::move(vertices));
    editing.map.replace(polygon);
    state.closingMarker = false;
    state.rubberLine = false;
    armTool(editing, Tool::Arrow);
    selectArea(editing, polygon.id());
    state.building = 0;
    showProperties(editing, polygon);
}

} // namespace

void PolygonTool::hover(Editing& editing) const
{
    EditorState& state = editing.state;
    const Area* building = editing.map.find(state.building);
    if (!building)
        return;
    state.closingMarker = onClosingMark(*building, state.pointer, editing.view.zoom);
    state.rubberLine = true;
}

void PolygonTool::click(Editing& editing) const
{
    const Area* building = editing.map.find(editing.state.building);
    if (!building) {
        startPolygon(editing);
        return;
    }
    if (building->vertices().size() >= size_t(kMaxPolygonVertices)) {
        editing.notice = vertexLimitMessage();
        return;
    }
    if (onClosingMark(*building, editing.state.pointer, editing.view.zoom)) {
        closePolygon(editing, *building);
        return;
    }
    Area polygon = *building;
    std::vector<Vertex> vertices = polygon.vertices();
    vertices.push_back(vertexAtPointer(editing.state.pointer));
    polygon.setVertices(std::move(vertices));
    editing.map.replace(polygon);
}
