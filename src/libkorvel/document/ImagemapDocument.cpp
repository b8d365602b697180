#include "document/ImagemapDocument.h"

#include "document/Numbers.h"

#include <algorithm>
#include <cmath>

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

void MoveShape(ShapeControl& shape, double left, double top, double width, double height)
{
    constexpr double kLongestSide = 65535; // from one end of the 16-bit range to the other
    shape.Left = SaturateCoordinate(left);
    shape.Top = SaturateCoordinate(top);
    shape.Width = static_cast<float>(std::isnan(width) ? 0 : std::clamp(width, 0.0, kLongestSide));
    shape.Height = static_cast<float>(std::isnan(height) ? 0 : std::clamp(height, 0.0, kLongestSide));
}

namespace {

// The shift along one axis that keeps every vertex 1..count within the 16-bit range.
double ShiftWithinRange(const std::vector<int16_t>& values, int16_t count, double shift)
{
    if (count < 1 || std::isnan(shift))
        return std::isnan(shift) ? 0 : shift;
    const auto [low, high] = std::minmax_element(values.begin() + 1, values.begin() + count + 1);
    return std::clamp(shift, double { kInt16Min } - *low, double { kInt16Max } - *high);
}

} // namespace

void ShiftPolygon(PolygonArea& polygon, double dx, double dy)
{
    const int16_t count = polygon.vertexCount;
    dx = ShiftWithinRange(polygon.vertexX, count, dx);
    dy = ShiftWithinRange(polygon.vertexY, count, dy);
    for (size_t k = 0; k <= static_cast<size_t>(count) && k < polygon.vertexX.size(); ++k) {
        polygon.vertexX[k] = RoundToInt16(polygon.vertexX[k] + dx);
        polygon.vertexY[k] = RoundToInt16(polygon.vertexY[k] + dy);
    }
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
