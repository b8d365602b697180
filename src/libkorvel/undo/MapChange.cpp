#include "undo/MapChange.h"

MapChange MapChange::Between(const ImagemapDocument& before, const ImagemapDocument& after)
{
    MapChange change;
    change.m_boxes = ListChange<BoxArea, SameBoxContent>::Between(
        before.boxes, static_cast<size_t>(before.boxCount), after.boxes, static_cast<size_t>(after.boxCount));
    change.m_polygons = ListChange<PolygonArea>::Between(
        before.polygons, static_cast<size_t>(before.polyCount), after.polygons, static_cast<size_t>(after.polyCount));
    change.m_boxCount[0] = before.boxCount;
    change.m_boxCount[1] = after.boxCount;
    change.m_polyCount[0] = before.polyCount;
    change.m_polyCount[1] = after.polyCount;
    return change;
}

bool MapChange::IsEmpty() const
{
    return m_boxes.IsEmpty() && m_polygons.IsEmpty() && m_boxCount[0] == m_boxCount[1]
        && m_polyCount[0] == m_polyCount[1];
}

void MapChange::Apply(ImagemapDocument& map, bool forward) const
{
    m_boxes.Apply(map.boxes, static_cast<size_t>(map.boxCount), forward);
    m_polygons.Apply(map.polygons, static_cast<size_t>(map.polyCount), forward);
    map.boxCount = m_boxCount[forward ? 1 : 0];
    map.polyCount = m_polyCount[forward ? 1 : 0];
}

bool MapChange::Absorb(const MapChange& next)
{
    if (m_boxCount[1] != next.m_boxCount[0] || m_polyCount[1] != next.m_polyCount[0])
        return false;
    // Each list either changed in both steps on the same stretch, or in neither.
    const bool boxesFit
        = (m_boxes.IsEmpty() && next.m_boxes.IsEmpty()) || (!m_boxes.IsEmpty() && !next.m_boxes.IsEmpty());
    const bool polygonsFit
        = (m_polygons.IsEmpty() && next.m_polygons.IsEmpty()) || (!m_polygons.IsEmpty() && !next.m_polygons.IsEmpty());
    if (!boxesFit || !polygonsFit)
        return false;
    ListChange<BoxArea, SameBoxContent> boxes = m_boxes;
    ListChange<PolygonArea> polygons = m_polygons;
    if ((!boxes.IsEmpty() && !boxes.Absorb(next.m_boxes)) || (!polygons.IsEmpty() && !polygons.Absorb(next.m_polygons)))
        return false;
    m_boxes = std::move(boxes);
    m_polygons = std::move(polygons);
    m_boxCount[1] = next.m_boxCount[1];
    m_polyCount[1] = next.m_polyCount[1];
    return true;
}
