#include "document/DocumentInvariants.h"

namespace {

bool InRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

void CheckCounts(const ImagemapDocument& map, QStringList& out)
{
    if (!InRange(map.boxCount, 0, kMaxAreasPerKind))
        out << QStringLiteral("boxCount %1 is outside 0..%2").arg(map.boxCount).arg(kMaxAreasPerKind);
    if (!InRange(map.polyCount, 0, kMaxAreasPerKind))
        out << QStringLiteral("polyCount %1 is outside 0..%2").arg(map.polyCount).arg(kMaxAreasPerKind);
}

// A kind's list exists in full only after its first GrowAreaArrays; before that the box
// list holds element 0 alone and the polygon list nothing.
void CheckListSizes(const ImagemapDocument& map, QStringList& out)
{
    const size_t boxes = static_cast<size_t>(map.boxCount) + 2;
    if (map.boxes.size() != boxes && !(map.boxes.size() == 1 && map.boxCount == 0))
        out << QStringLiteral("the box list has %1 elements for boxCount %2").arg(map.boxes.size()).arg(map.boxCount);
    const size_t polygons = static_cast<size_t>(map.polyCount) + 2;
    if (map.polygons.size() != polygons && !(map.polygons.empty() && map.polyCount == 0))
        out << QStringLiteral("the polygon list has %1 elements for polyCount %2")
                   .arg(map.polygons.size())
                   .arg(map.polyCount);
}

void CheckBoxes(const ImagemapDocument& map, QStringList& out)
{
    if (map.boxes.front().Visible)
        out << QStringLiteral("box element 0 is visible");
    for (size_t i = 1; i < map.boxes.size(); ++i) {
        const BoxArea& box = map.boxes[i];
        const bool loaded = i <= static_cast<size_t>(map.boxCount);
        if (loaded && !box.Visible)
            out << QStringLiteral("box %1 is hidden").arg(i);
        if (!loaded && static_cast<const ShapeControl&>(box) != ShapeControl {})
            out << QStringLiteral("box element %1 has an outline but no box").arg(i);
        if (box.Width < 0 || box.Height < 0)
            out << QStringLiteral("box %1 has a negative size").arg(i);
    }
}

void CheckPolygons(const ImagemapDocument& map, QStringList& out)
{
    for (int i = 1; i <= map.polyCount && static_cast<size_t>(i) < map.polygons.size(); ++i) {
        const PolygonArea& polygon = map.polygon(static_cast<int16_t>(i));
        const size_t expected = static_cast<size_t>(polygon.vertexCount) + 1;
        if (polygon.vertexCount < 1)
            out << QStringLiteral("polygon %1 has no vertices").arg(i);
        else if (polygon.vertexX.size() != expected || polygon.vertexY.size() != expected)
            out << QStringLiteral("polygon %1 has vertex arrays that do not span 0..%2")
                       .arg(i)
                       .arg(polygon.vertexCount);
    }
}

} // namespace

QStringList DocumentInvariantViolations(const ImagemapDocument& map)
{
    QStringList out;
    CheckCounts(map, out);
    CheckListSizes(map, out);
    CheckBoxes(map, out);
    CheckPolygons(map, out);
    return out;
}
