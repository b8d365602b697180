#include "editor/PolygonCorners.h"

#include "editor/Editing.h"
#include "editor/HitTest.h"
#include "editor/Tools.h"
#include "map/Numbers.h"

#include <QCoreApplication>

namespace {

constexpr int kFewestCorners = 3;

const Area* selectedPolygon(const Editing& editing)
{
    const Area* selected = editing.selectedArea();
    return selected && selected->shape() == AreaShape::Polygon ? selected : nullptr;
}

bool storedClosed(const std::vector<Vertex>& vertices)
{
    return vertices.size() > 1 && vertices.front() == vertices.back();
}

int cornerCount(const std::vector<Vertex>& vertices)
{
    return static_cast<int>(vertices.size()) - (storedClosed(vertices) ? 1 : 0);
}

// The first corner of a finished polygon goes with its closing copy: the next corner takes
// both places.
std::vector<Vertex> withoutCorner(std::vector<Vertex> vertices, size_t corner)
{
    const bool closed = storedClosed(vertices);
    if (closed && corner == vertices.size() - 1)
        corner = 0;
    vertices.erase(vertices.begin() + static_cast<std::ptrdiff_t>(corner));
    if (closed && corner == 0)
        vertices.back() = vertices.front();
    return vertices;
}

} // namespace

int edgeForNewCorner(const Editing& editing)
{
    const Area* polygon = selectedPolygon(editing);
    const EditorState& state = editing.state;
    if (!polygon || !handleUnderPointer(*polygon, state.pointer, editing.view.zoom).isNone())
        return -1;
    return edgeUnderPointer(*polygon, polygon->id() != state.building, state.pointer, editing.view.zoom);
}

bool addCorner(Editing& editing, int edge)
{
    const Area* selected = selectedPolygon(editing);
    if (!selected || edge < 0 || size_t(edge) >= selected->vertices().size())
        return false;
    if (selected->vertices().size() >= size_t(kMaxPolygonVertices)) {
        editing.notice = vertexLimitMessage();
        return false;
    }
    EditorState& state = editing.state;
    Area polygon = *selected;
    std::vector<Vertex> vertices = polygon.vertices();
    const Vertex corner { roundToInt16(state.pointer.x), roundToInt16(state.pointer.y) };
    vertices.insert(vertices.begin() + edge + 1, corner);
    polygon.setVertices(std::move(vertices));
    editing.map.replace(polygon);
    state.hover = { Handle::Kind::Vertex, edge + 1 };
    state.cursor = Qt::SizeAllCursor;
    state.gesture = { Gesture::Kind::Resize, polygon.id(), state.hover, state.pointer, polygon };
    return true;
}

bool removeCornerUnderPointer(Editing& editing)
{
    const Area* selected = selectedPolygon(editing);
    EditorState& state = editing.state;
    if (!selected || state.hover.kind != Handle::Kind::Vertex)
        return false;
    const std::vector<Vertex>& vertices = selected->vertices();
    const size_t corner = size_t(state.hover.number);
    if (corner >= vertices.size())
        return false;
    if (cornerCount(vertices) <= kFewestCorners) {
        editing.notice
            = QCoreApplication::translate("Editing", "A polygon keeps at least %1 corners.").arg(kFewestCorners);
        return true;
    }
    Area polygon = *selected;
    polygon.setVertices(withoutCorner(vertices, corner));
    editing.map.replace(polygon);
    // The numbers of the corners after it moved down: the handle under the pointer is found again.
    editorTool(Tool::Arrow).hover(editing);
    return true;
}
