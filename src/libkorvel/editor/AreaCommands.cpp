#include "editor/AreaCommands.h"

#include "editor/AreaShapes.h"
#include "editor/Editing.h"
#include "map/Numbers.h"

#include <algorithm>

namespace {

// A copy lands 10 pixels right and down of its source, unless that starts within 20 pixels of
// the visible end of the canvas; then its top-left goes to the middle of the picture.
bool offsetFits(double left, double top, const ViewGeometry& view)
{
    return left + 20 < view.offset.x() + view.picture.width() && top + 20 < view.offset.y() + view.picture.height();
}

Area placedCopy(const Area& source, const ViewGeometry& view)
{
    Area copy = source;
    copy.setId(0);
    copy.removeAttribute(QLatin1String("id")); // an element id names one element of a page
    if (source.isBox()) {
        const Box& box = source.box();
        const bool offset = offsetFits(box.left, box.top, view);
        copy.setBox(offset ? movedBox(box, double { box.left } + 10, double { box.top } + 10)
                           : movedBox(box, view.picture.width() / 2, view.picture.height() / 2));
        return copy;
    }
    const std::vector<Vertex>& vertices = source.vertices();
    int minX = 0, minY = 0;
    if (!vertices.empty()) {
        minX = std::min_element(vertices.begin(), vertices.end(), [](Vertex a, Vertex b) { return a.x < b.x; })->x;
        minY = std::min_element(vertices.begin(), vertices.end(), [](Vertex a, Vertex b) { return a.y < b.y; })->y;
    }
    const bool offset = offsetFits(minX, minY, view);
    copy.setVertices(shiftedVertices(vertices, offset ? 10.0 : view.picture.width() / 2 - minX,
        offset ? 10.0 : view.picture.height() / 2 - minY));
    return copy;
}

// Adds a copy of source, selected, where new areas of its kind go.
void addCopy(Editing& editing, const Area& source)
{
    if (!editing.map.hasRoomFor(source.shape())) {
        editing.notice = areaLimitMessage(source.shape());
        return;
    }
    const Area copy = placedCopy(source, editing.view);
    const int at = copy.isBox() ? editing.map.boxInsertIndex() : editing.map.count();
    const AreaId id = editing.map.insert(at, copy);
    selectArea(editing, id);
    showProperties(editing, *editing.map.find(id));
}

} // namespace

void deleteSelected(Editing& editing)
{
    const Area* area = editing.selectedArea();
    if (!area)
        return;
    EditorState& state = editing.state;
    const AreaId id = area->id();
    editing.map.remove(id);
    if (state.building == id) {
        // Building ends with the polygon it built.
        state.building = 0;
        state.closingMarker = false;
        state.rubberLine = false;
    }
    if (state.gesture.area == id)
        state.gesture = {};
    selectArea(editing, 0);
    clearProperties(editing);
}

void copySelected(Editing& editing)
{
    if (const Area* area = editing.selectedArea())
        editing.state.clipboard = *area;
}

void cutSelected(Editing& editing)
{
    copySelected(editing);
    deleteSelected(editing);
}

void paste(Editing& editing)
{
    if (editing.state.clipboard)
        addCopy(editing, *editing.state.clipboard);
}

void duplicateSelected(Editing& editing)
{
    if (const Area* area = editing.selectedArea())
        addCopy(editing, Area(*area));
}

void nudgeSelected(Editing& editing, int dx, int dy)
{
    const Area* selected = editing.selectedArea();
    if (!selected)
        return;
    Area area = *selected;
    if (area.isBox())
        area.setBox(movedBox(area.box(), double { area.box().left } + dx, double { area.box().top } + dy));
    else
        area.setVertices(shiftedVertices(area.vertices(), dx, dy));
    editing.map.replace(area);
}
