#include "trace/OutlineSimplifier.h"

#include "map/ImageMap.h"
#include "map/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Where along the outline the corners are first laid from: where the first corner falls
// changes the count by a few, so the fewest of several is taken, on outlines short enough
// that trying costs little.
constexpr size_t kStarts = 4;
constexpr size_t kLongOutline = 100000;

// The outline as a closed chain: index size() is the first point again.
class ClosedOutline {
public:
    explicit ClosedOutline(const std::vector<QPoint>& points)
        : m_points(points)
    {
    }

    size_t size() const { return m_points.size(); }
    // index < 2 * size().
    QPoint at(size_t index) const { return m_points[index < size() ? index : index - size()]; }

    // Whether every point strictly between the two indices lies within the tolerance of
    // the edge joining them.
    bool edgeFits(size_t from, size_t to, double squaredTolerance) const
    {
        const QPoint start = at(from);
        const double dx = double(at(to).x()) - start.x();
        const double dy = double(at(to).y()) - start.y();
        const double squaredLength = dx * dx + dy * dy;
        for (size_t i = from + 1; i < to; ++i) {
            const double px = double(at(i).x()) - start.x();
            const double py = double(at(i).y()) - start.y();
            const double along = px * dx + py * dy;
            const double across = px * dy - py * dx; // the distance to the line, times the length
            const bool tooFar = along <= 0 ? px * px + py * py > squaredTolerance
                : along >= squaredLength   ? (px - dx) * (px - dx) + (py - dy) * (py - dy) > squaredTolerance
                                           : across * across > squaredTolerance * squaredLength;
            if (tooFar)
                return false;
        }
        return true;
    }

private:
    const std::vector<QPoint>& m_points;
};

// How far along the outline the next corner after `from` can be with every point between
// within the tolerance: the reach doubles while the edge fits, then grows by halving
// steps. An edge that fits is taken even if one a little longer would fit too.
size_t farthestReach(const ClosedOutline& outline, double squaredTolerance, size_t from, size_t end)
{
    const auto fits = [&](size_t to) { return outline.edgeFits(from, to, squaredTolerance); };
    size_t reached = from + 1;
    size_t step = 1;
    while (reached + step <= end && fits(reached + step)) {
        reached += step;
        step *= 2;
    }
    for (step /= 2; step > 0; step /= 2) {
        if (reached + step <= end && fits(reached + step))
            reached += step;
    }
    return reached;
}

// Corners from the start on, each edge as long as it can be; the indices in order.
std::vector<size_t> longestEdgesFrom(const ClosedOutline& outline, double squaredTolerance, size_t start)
{
    std::vector<size_t> corners;
    const size_t end = start + outline.size();
    for (size_t corner = start; corner < end; corner = farthestReach(outline, squaredTolerance, corner, end))
        corners.push_back(corner % outline.size());
    std::rotate(corners.begin(), std::min_element(corners.begin(), corners.end()), corners.end());
    return corners;
}

// Drops each corner whose neighbours' edge alone keeps the points between them close
// enough, pass after pass until none can go; a triangle keeps its three.
void dropNeedlessCorners(const ClosedOutline& outline, double squaredTolerance, std::vector<size_t>& corners)
{
    for (bool dropped = corners.size() > 3; dropped;) {
        dropped = false;
        std::vector<size_t> kept;
        kept.reserve(corners.size());
        size_t remaining = corners.size();
        for (size_t i = 0; i < corners.size(); ++i) {
            const size_t before = kept.empty() ? corners.back() : kept.back();
            size_t after = i + 1 < corners.size() ? corners[i + 1] : kept.front();
            if (after <= before)
                after += outline.size();
            if (remaining > 3 && outline.edgeFits(before, after, squaredTolerance)) {
                --remaining;
                dropped = true;
            } else {
                kept.push_back(corners[i]);
            }
        }
        corners = std::move(kept);
    }
}

int64_t cross(QPoint origin, QPoint a, QPoint b)
{
    return int64_t(a.x() - origin.x()) * (b.y() - origin.y()) - int64_t(a.y() - origin.y()) * (b.x() - origin.x());
}

// The closed polygon Korvel stores: 16-bit corners, the first repeated last.
std::vector<Vertex> storedPolygon(const std::vector<QPoint>& corners)
{
    std::vector<Vertex> vertices;
    vertices.reserve(corners.size() + 1);
    for (const QPoint& corner : corners)
        vertices.push_back(Vertex { saturateToInt16(corner.x()), saturateToInt16(corner.y()) });
    vertices.push_back(vertices.front());
    return vertices;
}

// False too for an outline walked there and back along the same corners, each of whose
// points a browser counts twice, so not at all.
bool hasArea(const std::vector<Vertex>& polygon)
{
    int64_t twiceArea = 0; // 16-bit corners: at most 2^47 in all
    for (size_t i = 1; i < polygon.size(); ++i)
        twiceArea += int64_t(polygon[i - 1].x) * polygon[i].y - int64_t(polygon[i].x) * polygon[i - 1].y;
    return twiceArea != 0;
}

// The convex hull of the pixels and their four neighbours, clockwise on screen.
std::vector<QPoint> hullWithNeighbours(const std::vector<QPoint>& pixels)
{
    std::vector<QPoint> points;
    points.reserve(pixels.size() * 4);
    for (const QPoint& pixel : pixels) {
        for (const QPoint& step : { QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0), QPoint(0, -1) })
            points.push_back(pixel + step);
    }
    std::sort(points.begin(), points.end(),
        [](QPoint a, QPoint b) { return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y()); });
    points.erase(std::unique(points.begin(), points.end()), points.end());
    // The monotone chain: the lower half (on screen) left to right, then the upper back.
    std::vector<QPoint> hull(2 * points.size());
    size_t size = 0;
    for (size_t pass = 0; pass < 2; ++pass) {
        const size_t halfStart = size;
        for (size_t n = 0; n < points.size(); ++n) {
            const QPoint point = points[pass == 0 ? n : points.size() - 1 - n];
            while (size >= halfStart + 2 && cross(hull[size - 2], hull[size - 1], point) <= 0)
                --size;
            hull[size++] = point;
        }
        --size; // each half's last point starts the other
    }
    hull.resize(size);
    return hull;
}

std::vector<QPoint> cornersWithin(const std::vector<QPoint>& outline, double maxDeviation)
{
    const ClosedOutline closed(outline);
    const double squaredTolerance = maxDeviation * maxDeviation;
    std::vector<size_t> indices;
    const size_t starts = outline.size() > kLongOutline ? 1 : kStarts;
    for (size_t start = 0; start < starts; ++start) {
        std::vector<size_t> tried = longestEdgesFrom(closed, squaredTolerance, closed.size() * start / starts);
        dropNeedlessCorners(closed, squaredTolerance, tried);
        if (indices.empty() || tried.size() < indices.size())
            indices = std::move(tried);
    }
    std::vector<QPoint> corners;
    corners.reserve(indices.size());
    for (size_t index : indices)
        corners.push_back(closed.at(index));
    return corners;
}

// The corners at the smallest deviation, found to within a few percent, that gives no more
// than a polygon may store; `tooMany` gives more.
std::vector<QPoint> cornersWithinTheLimit(const std::vector<QPoint>& outline, double tooMany)
{
    constexpr int kHalvings = 5;
    const auto fits = [](const std::vector<QPoint>& corners) { return corners.size() < size_t(kMaxPolygonVertices); };
    double enough = std::max(1.0, 2 * tooMany);
    std::vector<QPoint> corners = cornersWithin(outline, enough);
    while (!fits(corners)) {
        tooMany = enough;
        enough *= 2;
        corners = cornersWithin(outline, enough);
    }
    for (int i = 0; i < kHalvings; ++i) {
        const double between = (tooMany + enough) / 2;
        std::vector<QPoint> tried = cornersWithin(outline, between);
        if (fits(tried)) {
            enough = between;
            corners = std::move(tried);
        } else {
            tooMany = between;
        }
    }
    return corners;
}

} // namespace

std::vector<Vertex> simplifyOutline(const std::vector<QPoint>& outline, double maxDeviation)
{
    if (outline.empty())
        return {};
    // A smaller deviation still keeps the outline within the one asked for, and may leave
    // some area to a small or thin region that the asked one flattens.
    constexpr double kFinestDeviation = 0.25;
    double deviation = std::isfinite(maxDeviation) ? std::max(0.0, maxDeviation) : 0.0;
    for (;;) {
        std::vector<QPoint> corners = cornersWithin(outline, deviation);
        if (corners.size() >= size_t(kMaxPolygonVertices))
            corners = cornersWithinTheLimit(outline, deviation);
        const std::vector<Vertex> polygon = storedPolygon(corners);
        if (hasArea(polygon) || deviation == 0)
            return hasArea(polygon) ? polygon : storedPolygon(hullWithNeighbours(outline));
        deviation = deviation > kFinestDeviation ? deviation / 2 : 0;
    }
}
