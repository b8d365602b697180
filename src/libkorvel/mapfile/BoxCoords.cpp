#include "mapfile/BoxCoords.h"

#include "document/Numbers.h"

#include <algorithm>

BoxGeometry GeometryOf(const ShapeControl& box)
{
    return { box.Left, box.Top, box.Width, box.Height };
}

void SetGeometry(ShapeControl& box, const BoxGeometry& geometry)
{
    box.Left = geometry.left;
    box.Top = geometry.top;
    box.Width = geometry.width;
    box.Height = geometry.height;
}

std::array<float, 4> RectangleCoords(const BoxGeometry& box)
{
    return { box.left, box.top, box.left + box.width, box.top + box.height };
}

std::array<double, 3> CircleCoords(const BoxGeometry& box)
{
    // Centre and radius are taken in single precision, then rounded.
    const float centreX = box.left + box.width / 2;
    const float centreY = box.top + box.height / 2;
    const float radius = box.width / 2;
    return { RoundHalfEven(centreX), RoundHalfEven(centreY), RoundHalfEven(radius) };
}

BoxGeometry BoxFromRectangle(const std::array<float, 4>& coords)
{
    const auto [left, right] = std::minmax(coords[0], coords[2]);
    const auto [top, bottom] = std::minmax(coords[1], coords[3]);
    return { left, top, right - left, bottom - top };
}

BoxGeometry BoxFromCircle(const std::array<float, 3>& coords)
{
    const float radius = coords[2];
    return { coords[0] - radius, coords[1] - radius, 2 * radius, 2 * radius };
}

bool CoordsKeepBoxExactly(const BoxGeometry& box, int16_t shape)
{
    if (shape == kCircleShape) {
        const std::array<double, 3> circle = CircleCoords(box);
        return BoxFromCircle({ float(circle[0]), float(circle[1]), float(circle[2]) }) == box;
    }
    return BoxFromRectangle(RectangleCoords(box)) == box;
}

bool BoxMatchesCoords(const BoxGeometry& box, int16_t shape, const std::vector<double>& coords)
{
    if (shape == kCircleShape) {
        const std::array<double, 3> circle = CircleCoords(box);
        return coords.size() >= 3 && std::equal(circle.begin(), circle.end(), coords.begin());
    }
    const std::array<float, 4> rectangle = RectangleCoords(box);
    return coords.size() >= 4
        && std::equal(rectangle.begin(), rectangle.end(), coords.begin(),
            [](float written, double read) { return written == static_cast<float>(read); });
}
