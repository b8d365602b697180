#include "editor/AreaShapes.h"

#include "map/Numbers.h"

#include <algorithm>
#include <cmath>

namespace {

double clampCoordinate(double value)
{
    return std::isnan(value) ? 0 : std::clamp<double>(value, kInt16Min, kInt16Max);
}

Box boxFrom(double left, double top, double width, double height)
{
    return spannedBox(left, top, left + width, top + height);
}

} // namespace

Box spannedBox(double left, double top, double right, double bottom)
{
    const double l = clampCoordinate(left);
    const double t = clampCoordinate(top);
    return { static_cast<float>(l), static_cast<float>(t), static_cast<float>(std::max(0.0, clampCoordinate(right) - l)),
        static_cast<float>(std::max(0.0, clampCoordinate(bottom) - t)) };
}

Box movedBox(const Box& box, double left, double top)
{
    return { saturateCoordinate(left), saturateCoordinate(top), box.width, box.height };
}

Box rubberRectangle(double pressX, double pressY, double x, double y)
{
    // Each edge is rounded where it lies: the press point's own edges stay where they were.
    double left, width, top, height;
    if (x > pressX) {
        left = roundHalfEven(pressX);
        width = roundHalfEven(x - pressX);
    } else {
        left = roundHalfEven(x);
        width = roundHalfEven(pressX - x);
    }
    if (y <= pressY) {
        top = roundHalfEven(y);
        height = roundHalfEven(pressY - y);
    } else {
        top = roundHalfEven(pressY);
        height = roundHalfEven(y - pressY);
    }
    return boxFrom(left, top, width, height);
}

Box rubberCircle(double pressX, double pressY, double x, double y)
{
    const double dx = std::fabs(pressX - x);
    const double dy = std::fabs(pressY - y);
    const double radius = roundHalfEven(dx > dy ? dx : dy);
    const double left = roundHalfEven(pressX - radius);
    const double top = roundHalfEven(pressY) - radius;
    return boxFrom(left, top, roundHalfEven(2 * (pressX - left)), 2 * (roundHalfEven(pressY) - top));
}

std::optional<Box> draggedCorner(const Box& box, int corner, bool circle, double x, double y)
{
    const double left = box.left, top = box.top;
    const double right = left + box.width, bottom = top + box.height;
    double l, t, w, h;
    switch (corner) {
    case 1:
        if (!(x < right && y < bottom))
            return std::nullopt;
        l = x, t = y, w = right - x, h = bottom - y;
        break;
    case 2:
        if (!(x > left && y < bottom))
            return std::nullopt;
        l = left, t = y, w = x - left, h = bottom - y;
        break;
    case 3:
        if (!(x < right && y > top))
            return std::nullopt;
        l = x, t = top, w = right - x, h = y - top;
        break;
    case 4:
        if (!(x > left && y > top))
            return std::nullopt;
        l = left, t = top, w = x - left, h = y - top;
        break;
    default:
        return std::nullopt;
    }
    if (circle) {
        // The larger side wins; the corner opposite the dragged one stays put.
        if (w > h) {
            if (corner == 1 || corner == 2)
                t -= w - h;
            h = w;
        } else {
            if (corner == 1 || corner == 3)
                l -= h - w;
            w = h;
        }
    }
    return boxFrom(l, t, w, h);
}

std::optional<Box> draggedSide(const Box& box, int side, bool circle, double x, double y)
{
    const double left = box.left, top = box.top, width = box.width, height = box.height;
    if (!circle) {
        switch (side) {
        case 1:
            return x < left + width ? std::optional(spannedBox(x, top, left + width, top + height)) : std::nullopt;
        case 2:
            return x > left ? std::optional(spannedBox(left, top, x, top + height)) : std::nullopt;
        case 3:
            return y < top + height ? std::optional(spannedBox(left, y, left + width, top + height)) : std::nullopt;
        case 4: // the bottom side alone also waits while the pointer is left of the box
            return x > left && y > top ? std::optional(spannedBox(left, top, left + width, y)) : std::nullopt;
        default:
            return std::nullopt;
        }
    }
    // The dragged side moves outward by `outward`, the opposite one as far the other way.
    double outward = 0;
    bool applies = false;
    switch (side) {
    case 1:
        applies = x < left + width / 2, outward = left - x;
        break;
    case 2:
        applies = x > left + width / 2, outward = x - (left + width);
        break;
    case 3:
        applies = y < top + height / 2, outward = top - y;
        break;
    case 4:
        applies = y > top + height / 2, outward = y - (top + height);
        break;
    default:
        return std::nullopt;
    }
    const double w = width + 2 * outward, h = height + 2 * outward;
    // A box that is not square could be asked for a negative size; that step is skipped.
    if (!applies || w < 0 || h < 0)
        return std::nullopt;
    return boxFrom(left - outward, top - outward, w, h);
}

std::vector<Vertex> shiftedVertices(const std::vector<Vertex>& vertices, double dx, double dy)
{
    if (vertices.empty())
        return vertices;
    const auto [left, right] = std::minmax_element(
        vertices.begin(), vertices.end(), [](Vertex a, Vertex b) { return a.x < b.x; });
    const auto [top, bottom] = std::minmax_element(
        vertices.begin(), vertices.end(), [](Vertex a, Vertex b) { return a.y < b.y; });
    dx = std::isnan(dx) ? 0 : std::clamp<double>(dx, kInt16Min - left->x, kInt16Max - right->x);
    dy = std::isnan(dy) ? 0 : std::clamp<double>(dy, kInt16Min - top->y, kInt16Max - bottom->y);
    std::vector<Vertex> shifted;
    shifted.reserve(vertices.size());
    for (const Vertex v : vertices)
        shifted.push_back({ roundToInt16(v.x + dx), roundToInt16(v.y + dy) });
    return shifted;
}
