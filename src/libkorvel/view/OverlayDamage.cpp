#include "view/OverlayDamage.h"

#include "map/ImageMap.h"

namespace {

void addAreas(OverlayDamage& damage, AreaId before, AreaId now, const ImageMap& map, const ZoomMapping& zoom)
{
    if (before == now)
        return;
    for (const AreaId id : { before, now })
        if (const Area* area = map.find(id))
            damage.add(areaDrawingBounds(*area, zoom));
}

template <typename Mark, typename Bounds>
void addMarks(OverlayDamage& damage, const std::optional<Mark>& before, const std::optional<Mark>& now, Bounds bounds)
{
    if (before == now)
        return;
    if (before)
        damage.add(bounds(*before));
    if (now)
        damage.add(bounds(*now));
}

} // namespace

OverlayLook overlayLook(const ImageMap& map, const EditorState& state, const ZoomMapping& zoom)
{
    OverlayLook look;
    look.selected = state.selected;
    look.drawing = state.gesture.kind == Gesture::Kind::Draw ? state.gesture.area : 0;
    look.building = state.building;
    look.selectionShown = state.selectionShown;
    look.marks = buildingMarks(map, state, zoom);
    if (shownTraceOutline(state))
        look.traceOutline = state.traceOutline;
    return look;
}

OverlayDamage overlayDamage(
    const OverlayLook& before, const OverlayLook& now, const ImageMap& map, const ZoomMapping& zoom)
{
    OverlayDamage damage;
    if (before.selectionShown != now.selectionShown) {
        damage.everything = true; // every unselected polygon changes colour
        return damage;
    }
    addAreas(damage, before.selected, now.selected, map, zoom);
    addAreas(damage, before.drawing, now.drawing, map, zoom);
    addAreas(damage, before.building, now.building, map, zoom);
    addMarks(damage, before.marks.closingMark, now.marks.closingMark, closingMarkBounds);
    addMarks(damage, before.marks.rubberLine, now.marks.rubberLine, rubberLineBounds);
    if (before.traceOutline != now.traceOutline)
        for (const auto& outline : { before.traceOutline, now.traceOutline })
            if (outline)
                damage.add(traceOutlineBounds(*outline, zoom));
    return damage;
}
