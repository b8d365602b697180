#include "editor/HitTest.h"

#include "map/AreaIndex.h"
#include "map/ImageMap.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

bool within(double value, double low, double high)
{
    return low <= value && value <= high;
}

bool insideBox(const Box& box, double x, double y)
{
    return within(x, box.left, box.left + box.width) && within(y, box.top, box.top + box.height);
}

bool near(const QPoint& centre, const QPoint& pointer)
{
    return std::abs(pointer.x() - centre.x()) <= kHandleReach && std::abs(pointer.y() - centre.y()) <= kHandleReach;
}

int cornerUnderPointer(const Box& box, const Pointer& pointer, const ZoomMapping& zoom)
{
    const QPointF corners[4] = { { box.left, box.top }, { box.left + box.width, box.top },
        { box.left, box.top + box.height }, { box.left + box.width, box.top + box.height } };
    for (int c = 0; c < 4; ++c)
        if (near(zoom.screenPixelOf(corners[c]), pointer.screen))
            return c + 1;
    return 0;
}

int sideUnderPointer(const Box& box, const Pointer& pointer, const ZoomMapping& zoom)
{
    const QPoint topLeft = zoom.screenPixelOf({ box.left, box.top });
    const QPoint bottomRight = zoom.screenPixelOf({ box.left + box.width, box.top + box.height });
    const QPoint p = pointer.screen;
    const bool alongHeight = within(p.y(), topLeft.y(), bottomRight.y());
    const bool alongWidth = within(p.x(), topLeft.x(), bottomRight.x());
    if (std::abs(p.x() - topLeft.x()) <= kHandleReach && alongHeight)
        return 1;
    if (std::abs(p.x() - bottomRight.x()) <= kHandleReach && alongHeight)
        return 2;
    if (alongWidth && std::abs(p.y() - topLeft.y()) <= kHandleReach)
        return 3;
    if (alongWidth && std::abs(p.y() - bottomRight.y()) <= kHandleReach)
        return 4;
    return 0;
}

QPointF screenPointOf(Vertex v, const ZoomMapping& zoom)
{
    return zoom.screenPixelOf({ double(v.x), double(v.y) });
}

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double squared = QPointF::dotProduct(ab, ab);
    const double along = squared > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / squared, 0.0, 1.0) : 0.0;
    const QPointF off = p - a - along * ab;
    return std::hypot(off.x(), off.y());
}

} // namespace

bool pointInPolygon(const std::vector<Vertex>& vertices, double x, double y)
{
    const size_t count = vertices.size();
    if (count < 3)
        return false;
    // Differences of 16-bit values need 17 bits and their products 34: exact in doubles.
    bool inside = false;
    double xold = vertices.back().x, yold = vertices.back().y;
    for (const Vertex v : vertices) {
        const double xnew = v.x, ynew = v.y;
        // Most edges lie wholly to one side of x: that test alone, before any product.
        if ((xnew < x) == (x <= xold)) {
            const bool rising = xnew > xold;
            const double x1 = rising ? xold : xnew, y1 = rising ? yold : ynew;
            const double x2 = rising ? xnew : xold, y2 = rising ? ynew : yold;
            if ((y - y1) * (x2 - x1) < (y2 - y1) * (x - x1))
                inside = !inside;
        }
        xold = xnew;
        yold = ynew;
    }
    return inside;
}

AreaId areaUnderPointer(const ImageMap& map, const AreaIndex& index, double x, double y)
{
    const std::vector<int> near = index.indexesNear(QRectF(x, y, 0, 0));
    for (auto i = near.rbegin(); i != near.rend(); ++i) {
        const Area& area = map.at(*i);
        if (area.isBox() && insideBox(area.box(), x, y))
            return area.id();
    }
    for (auto i = near.rbegin(); i != near.rend(); ++i) {
        const Area& area = map.at(*i);
        if (area.shape() == AreaShape::Polygon && pointInPolygon(area.vertices(), x, y))
            return area.id();
    }
    return 0;
}

Handle handleUnderPointer(const Area& area, const Pointer& pointer, const ZoomMapping& zoom)
{
    if (area.shape() == AreaShape::Polygon) {
        const std::vector<Vertex>& vertices = area.vertices();
        for (size_t j = 0; j < vertices.size(); ++j)
            if (near(zoom.screenPixelOf({ double(vertices[j].x), double(vertices[j].y) }), pointer.screen))
                return { Handle::Kind::Vertex, static_cast<int>(j) };
        return {};
    }
    if (!area.isBox())
        return {};
    if (const int corner = cornerUnderPointer(area.box(), pointer, zoom))
        return { Handle::Kind::Corner, corner };
    if (const int side = sideUnderPointer(area.box(), pointer, zoom))
        return { Handle::Kind::Side, side };
    return {};
}

int edgeUnderPointer(const Area& polygon, bool ring, const Pointer& pointer, const ZoomMapping& zoom)
{
    const std::vector<Vertex>& vertices = polygon.vertices();
    const size_t count = vertices.size();
    // A finished polygon stores its closing edge; one stored open is closed where it is drawn so.
    size_t edges = count > 0 ? count - 1 : 0;
    if (ring && count >= 3 && vertices.front() != vertices.back())
        ++edges;
    int nearest = -1;
    double nearestDistance = 0;
    for (size_t i = 0; i < edges; ++i) {
        const double distance = distanceToSegment(pointer.screen, screenPointOf(vertices[i], zoom),
            screenPointOf(vertices[(i + 1) % count], zoom));
        if (distance <= kHandleReach && (nearest < 0 || distance < nearestDistance)) {
            nearest = static_cast<int>(i);
            nearestDistance = distance;
        }
    }
    return nearest;
}

bool onClosingMark(const Area& polygon, const Pointer& pointer, const ZoomMapping& zoom)
{
    const std::vector<Vertex>& vertices = polygon.vertices();
    return vertices.size() >= 3
        && near(zoom.screenPixelOf({ double(vertices.front().x), double(vertices.front().y) }), pointer.screen);
}
