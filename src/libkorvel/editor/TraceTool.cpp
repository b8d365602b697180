#include "editor/Editing.h"
#include "editor/Tools.h"

#include <algorithm>

namespace {

// Pictures up to this many pixels are traced at once, even where the hover finds a region it
// does not know yet: a region of the whole picture costs some tens of milliseconds at most.
// Larger pictures are traced apart, so that the window never waits on a hover.
constexpr qint64 kTracedAtOnce = 1 << 20;

// Off the picture stays off it, however far off.
QPoint pixelUnderPointer(const Pointer& pointer)
{
    const auto whole = [](double coordinate) { return static_cast<int>(std::clamp(coordinate, -1.0, 1e9)); };
    return QPoint(whole(pointer.x), whole(pointer.y));
}

void showOutline(EditorState& state, const std::vector<Vertex>& polygon)
{
    if (polygon.empty())
        state.traceOutline.reset();
    else if (!state.traceOutline || *state.traceOutline != polygon)
        state.traceOutline = std::make_shared<const std::vector<Vertex>>(polygon);
}

} // namespace

void TraceTool::hover(Editing& editing) const
{
    RegionTracer& tracer = editing.tracer;
    const QPoint pixel = pixelUnderPointer(editing.state.pointer);
    const QSize picture = tracer.picture().size();
    const bool atOnce = qint64(picture.width()) * picture.height() <= kTracedAtOnce;
    if (atOnce || tracer.isKnown(pixel) || !tracer.picture().rect().contains(pixel)) {
        showOutline(editing.state, tracer.polygonAt(pixel));
        return;
    }
    editing.state.traceOutline.reset();
    editing.traceWanted = pixel;
}

void TraceTool::click(Editing& editing) const
{
    const std::vector<Vertex>& polygon = editing.tracer.polygonAt(pixelUnderPointer(editing.state.pointer));
    if (polygon.empty())
        return;
    if (!editing.map.hasRoomFor(AreaShape::Polygon)) {
        editing.notice = areaLimitMessage(AreaShape::Polygon);
        return;
    }
    const AreaId id = editing.map.append(Area::polygon(polygon));
    selectArea(editing, id);
    showProperties(editing, *editing.map.find(id));
    armTool(editing, Tool::Arrow);
}
