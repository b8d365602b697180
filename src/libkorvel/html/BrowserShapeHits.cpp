#include "html/BrowserShapeHits.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

// Browsers keep layout positions in 1/64 pixel steps: every coordinate is cut towards
// zero to a whole step, within the range those steps can count.
double toLayoutStep(double value)
{
    constexpr double kStepsPerPixel = 64;
    constexpr double kLargestStep = double(INT32_MAX) / kStepsPerPixel;
    constexpr double kSmallestStep = double(INT32_MIN) / kStepsPerPixel;
    if (std::isnan(value))
        return 0;
    return std::trunc(std::clamp(value, kSmallestStep, kLargestStep) * kStepsPerPixel) / kStepsPerPixel;
}

struct FloatPoint {
    float x;
    float y;
};

bool operator==(FloatPoint a, FloatPoint b)
{
    return a.x == b.x && a.y == b.y;
}

bool between(float end, float value, float otherEnd)
{
    return std::min(end, otherEnd) <= value && value <= std::max(end, otherEnd);
}

// How one edge of an outline, walked from `from` to `to`, meets the point.
struct EdgeMeeting {
    // The point is on the edge but not its end, so a corner counts once, on the edge that
    // leaves it.
    bool runsThrough = false;
    // The edge crosses the leftward ray from the point; an edge touching the ray only at its
    // lower end (larger y) does not, so a ray through a corner is counted once.
    bool crossesRay = false;
};

EdgeMeeting meetEdge(FloatPoint from, FloatPoint to, FloatPoint point)
{
    if (from.y == to.y)
        return { point.y == from.y && between(from.x, point.x, to.x) && point.x != to.x, false };
    if (!between(from.y, point.y, to.y))
        return {};
    if (point == from)
        return { true, false };
    if (point.y == std::max(from.y, to.y))
        return {};
    // Zero when the point is on the edge's line; otherwise its sign says on which side.
    const float side = (to.x - from.x) * (point.y - from.y) - (to.y - from.y) * (point.x - from.x);
    if (side == 0)
        return { !(point == to), false };
    const bool downwards = to.y > from.y;
    return { false, (side < 0) == downwards };
}

} // namespace

float browserCoordinate(double value)
{
    return float(toLayoutStep(value));
}

bool rectangleHit(double left, double top, double right, double bottom, double x, double y)
{
    const FloatPoint corner { browserCoordinate(left), browserCoordinate(top) };
    const FloatPoint opposite { browserCoordinate(right), browserCoordinate(bottom) };
    const FloatPoint point { browserCoordinate(x), browserCoordinate(y) };
    const bool noWidth = corner.x == opposite.x;
    const bool noHeight = corner.y == opposite.y;
    if (noWidth && noHeight)
        return false;
    if (noWidth || noHeight)
        return point == corner || point == opposite;
    return between(corner.x, point.x, opposite.x) && between(corner.y, point.y, opposite.y);
}

bool circleHit(double centreX, double centreY, double radius, double x, double y)
{
    const FloatPoint centre { browserCoordinate(centreX), browserCoordinate(centreY) };
    const float r = browserCoordinate(radius);
    const FloatPoint point { browserCoordinate(x), browserCoordinate(y) };
    if (!(r > 0) || !between(centre.x - r, point.x, centre.x + r) || !between(centre.y - r, point.y, centre.y + r))
        return false;
    // Browsers find the rim on the point's row and take a point within 1/4096 pixel of it
    // as on the rim, so a point a hair outside the circle still belongs.
    constexpr double kRimTolerance = 1.0 / 4096;
    const double dx = std::abs(double(point.x) - double(centre.x));
    const double dy = double(point.y) - double(centre.y);
    const double halfChord = std::sqrt(std::max(0.0, double(r) * double(r) - dy * dy));
    return dx <= halfChord + kRimTolerance;
}

bool polygonHit(const std::vector<double>& corners, double x, double y)
{
    const std::size_t count = corners.size() / 2;
    if (count < 3)
        return false;
    const auto corner = [&](std::size_t i) {
        return FloatPoint { browserCoordinate(corners[2 * i]), browserCoordinate(corners[2 * i + 1]) };
    };
    const FloatPoint point { browserCoordinate(x), browserCoordinate(y) };
    bool oddCrossings = false;
    bool oddRunsThrough = false;
    for (std::size_t i = 0; i < count; ++i) {
        const EdgeMeeting meeting = meetEdge(corner(i), corner((i + 1) % count), point);
        oddCrossings ^= meeting.crossesRay;
        oddRunsThrough ^= meeting.runsThrough;
    }
    return oddCrossings || oddRunsThrough;
}
