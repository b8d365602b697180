#include "document/ImagemapDocument.h"

namespace {

size_t ListSizeFor(int16_t count)
{
    return static_cast<size_t>(count) + 2; // slot 0, areas 1..count, the spare
}

} // namespace

void GrowAreaArrays(ImagemapDocument& map, bool isBox)
{
    if (isBox)
        map.boxes.resize(ListSizeFor(map.boxCount));
    else
        map.polygons.resize(ListSizeFor(map.polyCount));
}

void LoadShape(ImagemapDocument& map, int16_t index)
{
    if (map.boxes.size() <= static_cast<size_t>(index))
        map.boxes.resize(static_cast<size_t>(index) + 1);
    ShapeControl& element = map.box(index);
    element = map.boxes.front();
    element.Visible = false;
}

void UnloadShape(ImagemapDocument& map, int16_t index)
{
    static_cast<ShapeControl&>(map.box(index)) = ShapeControl {};
}

void ResizeVertexArrays(PolygonArea& polygon, int16_t upperBound)
{
    const size_t size = upperBound < 0 ? 0 : static_cast<size_t>(upperBound) + 1;
    polygon.vertexX.resize(size);
    polygon.vertexY.resize(size);
}

int16_t AddBoxElement(ImagemapDocument& map)
{
    if (map.boxCount >= kMaxAreasPerKind)
        return 0;
    ++map.boxCount;
    LoadShape(map, map.boxCount);
    GrowAreaArrays(map, true);
    return map.boxCount;
}

int16_t AddPolygonRecord(ImagemapDocument& map)
{
    if (map.polyCount >= kMaxAreasPerKind)
        return 0;
    ++map.polyCount;
    GrowAreaArrays(map, false);
    return map.polyCount;
}

QString AreaLimitMessage(AreaKind kind)
{
    const QString what
        = kind == AreaKind::Polygon ? QStringLiteral("polygons") : QStringLiteral("rectangles and circles");
    return QStringLiteral("This map already holds %1 %2, the most it can hold.").arg(kMaxAreasPerKind).arg(what);
}

QString VertexLimitMessage()
{
    return QStringLiteral("This polygon already has %1 points, the most it can hold.").arg(kMaxPolygonVertices);
}
