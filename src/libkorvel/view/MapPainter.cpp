#include "view/MapPainter.h"

#include "editor/HitTest.h"
#include "map/AreaGeometry.h"
#include "map/AreaIndex.h"
#include "map/ImageMap.h"
#include "preview/AreaReach.h"
#include "preview/BrowserLayout.h"

#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace {

// Painted and damaged coordinates stay well inside int, whatever numbers a page gave.
constexpr int kFarthest = 1 << 26;

// Screen pixels to look around an exposed part for areas: a handle's reach, and the half
// pixel between a pixel's edge and its centre.
constexpr int kSearchMargin = kHandleReach + 1;

QPoint screenPixel(const ZoomMapping& zoom, double x, double y)
{
    const QPoint p = zoom.screenPixelOf(QPointF(x, y));
    return QPoint(std::clamp(p.x(), -kFarthest, kFarthest), std::clamp(p.y(), -kFarthest, kFarthest));
}

QPoint vertexPixel(const ZoomMapping& zoom, Vertex v)
{
    return screenPixel(zoom, v.x, v.y);
}

// The rectangle whose outline runs through the pixels of both corners, a and b included.
QRect spanning(QPoint a, QPoint b)
{
    return QRect(
        QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())), QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

// An aliased 1-pixel outline through the pixels a and b at its corners; a line or a dot
// where the rectangle has no width or height.
void drawOutline(QPainter& painter, QPoint a, QPoint b)
{
    if (a.x() == b.x() || a.y() == b.y())
        painter.drawLine(a, b);
    else
        painter.drawRect(QRect(a, QSize(b.x() - a.x(), b.y() - a.y())));
}

// The ellipse touching the pixels a and b at the corners of its box.
void drawEllipseWithin(QPainter& painter, QPoint a, QPoint b)
{
    if (a.x() == b.x() || a.y() == b.y())
        painter.drawLine(a, b);
    else
        painter.drawEllipse(QRect(a, QSize(b.x() - a.x(), b.y() - a.y())));
}

// The 7 x 7 pixels within a handle's reach of centre.
QRect squareAround(QPoint centre)
{
    const QPoint reach(kHandleReach, kHandleReach);
    return QRect(centre - reach, centre + reach);
}

bool beingDrawn(const Area& area, const EditorState& state)
{
    return state.gesture.kind == Gesture::Kind::Draw && state.gesture.area == area.id();
}

} // namespace

BuildingMarks buildingMarks(const ImageMap& map, const EditorState& state, const ZoomMapping& zoom)
{
    BuildingMarks marks;
    const Area* building = map.find(state.building);
    if (!building || building->vertices().empty())
        return marks;
    const std::vector<Vertex>& vertices = building->vertices();
    if (state.closingMarker)
        marks.closingMark = vertexPixel(zoom, vertices.front());
    if (state.rubberLine && state.tool == Tool::Polygon) {
        const QPoint pointer(std::clamp(state.pointer.screen.x(), -kFarthest, kFarthest),
            std::clamp(state.pointer.screen.y(), -kFarthest, kFarthest));
        marks.rubberLine = QLine(vertexPixel(zoom, vertices.back()), pointer);
    }
    return marks;
}

QRect areaDrawingBounds(const Area& area, const ZoomMapping& zoom)
{
    const bool noPoints
        = area.shape() == AreaShape::Polygon && area.vertices().empty() && area.pageNumbers().size() < 2;
    if (!area.isEditable() || noPoints)
        return QRect();
    // Every outline point and handle centre lies in the area's bounds, and the mapping to
    // screen pixels keeps their order; handles reach past their centres.
    const QRectF bounds = areaBounds(area);
    return spanning(screenPixel(zoom, bounds.left(), bounds.top()), screenPixel(zoom, bounds.right(), bounds.bottom()))
        .adjusted(-kHandleReach, -kHandleReach, kHandleReach, kHandleReach);
}

QRect browserAreaBounds(const BrowserLayout& layout, int index, const ZoomMapping& zoom)
{
    const QRect pixels = layout.bounds[size_t(index)];
    if (pixels.isEmpty())
        return QRect();
    return spanning(screenPixel(zoom, pixels.left(), pixels.top()), screenPixel(zoom, pixels.right(), pixels.bottom()))
        .adjusted(-1, -1, 1, 1);
}

QRect closingMarkBounds(QPoint centre)
{
    return squareAround(centre);
}

QRect rubberLineBounds(const QLine& line)
{
    return spanning(line.p1(), line.p2());
}

const std::vector<Vertex>* shownTraceOutline(const EditorState& state)
{
    return state.tool == Tool::Trace ? state.traceOutline.get() : nullptr;
}

QRect traceOutlineBounds(const std::vector<Vertex>& outline, const ZoomMapping& zoom)
{
    if (outline.empty())
        return QRect();
    const auto [left, right]
        = std::minmax_element(outline.begin(), outline.end(), [](Vertex a, Vertex b) { return a.x < b.x; });
    const auto [top, bottom]
        = std::minmax_element(outline.begin(), outline.end(), [](Vertex a, Vertex b) { return a.y < b.y; });
    return spanning(screenPixel(zoom, left->x, top->y), screenPixel(zoom, right->x, bottom->y))
        .adjusted(0, 0, 1, 1); // the shadow
}

void MapPainter::paint(QPainter& painter, const QRegion& exposed, const MapScene& scene)
{
    if (exposed.isEmpty())
        return;
    if (m_text.color() != scene.windowText)
        m_text = QPen(scene.windowText, 1);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);

    const BuildingMarks marks = buildingMarks(scene.map, scene.state, scene.zoom);
    if (marks.closingMark && exposed.intersects(closingMarkBounds(*marks.closingMark))) {
        painter.setPen(m_text);
        const QRect bounds = closingMarkBounds(*marks.closingMark);
        drawEllipseWithin(painter, bounds.topLeft(), bounds.bottomRight());
    }
    findAreasNear(exposed, scene);
    for (const int index : m_near) {
        const Area& area = scene.map.at(index);
        if (exposed.intersects(areaDrawingBounds(area, scene.zoom)))
            drawArea(painter, area, scene);
    }
    const Area* selected = scene.map.find(scene.state.selected);
    if (scene.preview) {
        paintPreview(painter, exposed, *scene.preview, scene.zoom);
    } else if (selected && exposed.intersects(areaDrawingBounds(*selected, scene.zoom))) {
        painter.setPen(m_selected);
        drawHandles(painter, *selected, scene.zoom);
    }
    if (marks.rubberLine && exposed.intersects(rubberLineBounds(*marks.rubberLine))) {
        painter.setPen(scene.state.selectionShown ? m_normal : m_text);
        painter.drawLine(*marks.rubberLine);
    }
    const std::vector<Vertex>* outline = shownTraceOutline(scene.state);
    if (outline && exposed.intersects(traceOutlineBounds(*outline, scene.zoom)))
        drawTraceOutline(painter, *outline, scene.zoom);
    painter.restore();
}

void MapPainter::findAreasNear(const QRegion& exposed, const MapScene& scene)
{
    m_near.clear();
    for (const QRect& rect : exposed) {
        const QRectF screen(QPointF(rect.left() - kSearchMargin, rect.top() - kSearchMargin),
            QPointF(rect.right() + kSearchMargin, rect.bottom() + kSearchMargin));
        const std::vector<int> near = scene.index.indexesNear(scene.zoom.pictureRect(screen));
        m_near.insert(m_near.end(), near.begin(), near.end());
    }
    // Map order, each area once.
    if (exposed.rectCount() > 1) {
        std::sort(m_near.begin(), m_near.end());
        m_near.erase(std::unique(m_near.begin(), m_near.end()), m_near.end());
    }
}

void MapPainter::drawArea(QPainter& painter, const Area& area, const MapScene& scene)
{
    const EditorState& state = scene.state;
    const bool polygon = area.shape() == AreaShape::Polygon;
    if (area.id() == state.selected)
        painter.setPen(m_selected);
    else if (beingDrawn(area, state) || (polygon && !state.selectionShown))
        painter.setPen(m_text);
    else
        painter.setPen(m_normal);

    const ZoomMapping& zoom = scene.zoom;
    switch (area.shape()) {
    case AreaShape::Rectangle: {
        const RectangleFigure r = rectangleOf(area);
        drawOutline(painter, screenPixel(zoom, r.left, r.top), screenPixel(zoom, r.right, r.bottom));
        break;
    }
    case AreaShape::Circle: {
        // Centre and radius as the coords say, so the circle shows what a browser hit-tests.
        const CircleFigure c = circleOf(area);
        if (c.radius >= 0)
            drawEllipseWithin(painter, screenPixel(zoom, c.centreX - c.radius, c.centreY - c.radius),
                screenPixel(zoom, c.centreX + c.radius, c.centreY + c.radius));
        break;
    }
    case AreaShape::Polygon:
        drawPolygon(painter, area, area.id() != state.building, zoom);
        break;
    case AreaShape::Kept:
        break;
    }
}

void MapPainter::drawPolygon(QPainter& painter, const Area& area, bool closed, const ZoomMapping& zoom)
{
    m_points.clear();
    if (area.keepsPageCoords()) {
        const std::vector<double>& numbers = area.pageNumbers();
        for (size_t i = 0; i + 1 < numbers.size(); i += 2)
            addPoint(screenPixel(zoom, numbers[i], numbers[i + 1]));
    } else {
        for (const Vertex v : area.vertices())
            addPoint(vertexPixel(zoom, v));
    }
    if (m_points.empty())
        return;
    // A finished polygon already ends on its first corner; a page's polygon is closed by
    // the browser.
    if (closed && m_points.back() != m_points.front())
        m_points.push_back(m_points.front());
    if (m_points.size() == 1)
        painter.drawPoint(m_points.front());
    else
        painter.drawPolyline(m_points.data(), static_cast<int>(m_points.size()));
}

// Zoomed out, neighbouring vertices often share a screen pixel: one point draws them all.
void MapPainter::addPoint(QPoint point)
{
    if (m_points.empty() || m_points.back() != point)
        m_points.push_back(point);
}

namespace {

// The pixels of the line from a to b, each step one pixel along the longer axis.
void appendLinePixels(std::vector<QPoint>& pixels, QPoint a, QPoint b)
{
    const int dx = b.x() - a.x(), dy = b.y() - a.y();
    const int steps = std::max(std::abs(dx), std::abs(dy));
    for (int i = 1; i <= steps; ++i)
        pixels.emplace_back(a.x() + int(std::nearbyint(double(dx) * i / steps)),
            a.y() + int(std::nearbyint(double(dy) * i / steps)));
}

} // namespace

void MapPainter::drawTraceOutline(QPainter& painter, const std::vector<Vertex>& outline, const ZoomMapping& zoom)
{
    // Drawn pixel by pixel: a line that a repainted part cuts comes out a pixel aside, and its
    // shadow would then show where the rest of the outline has none.
    m_points.clear();
    if (outline.empty())
        return;
    QPoint last = vertexPixel(zoom, outline.front());
    m_points.push_back(last);
    for (const Vertex v : outline) {
        const QPoint next = vertexPixel(zoom, v);
        appendLinePixels(m_points, last, next);
        last = next;
    }
    const int count = static_cast<int>(m_points.size());
    painter.setPen(m_traceShadow);
    painter.translate(1, 1);
    painter.drawPoints(m_points.data(), count);
    painter.translate(-1, -1);
    painter.setPen(m_trace);
    painter.drawPoints(m_points.data(), count);
}

void MapPainter::drawHandles(QPainter& painter, const Area& area, const ZoomMapping& zoom)
{
    const auto handleAt = [&](QPoint centre) {
        const QRect square = squareAround(centre);
        drawOutline(painter, square.topLeft(), square.bottomRight());
    };
    if (area.isBox()) {
        const Box& box = area.box();
        handleAt(screenPixel(zoom, box.left, box.top));
        handleAt(screenPixel(zoom, box.right(), box.top));
        handleAt(screenPixel(zoom, box.left, box.bottom()));
        handleAt(screenPixel(zoom, box.right(), box.bottom()));
        return;
    }
    const std::vector<Vertex>& vertices = area.vertices();
    size_t count = vertices.size();
    // The last stored vertex of a finished polygon is its first again, under the same handle.
    if (count > 1 && vertices.back() == vertices.front())
        --count;
    for (size_t i = 0; i < count; ++i)
        handleAt(vertexPixel(zoom, vertices[i]));
}

void MapPainter::paintPreview(QPainter& painter, const QRegion& exposed, const PreviewLook& look, const ZoomMapping& zoom)
{
    const BrowserLayout& layout = look.layout;
    // Browsers take clicks only on the picture, and the bounds repainted for an area end there.
    painter.save();
    painter.setClipRect(QRect(QPoint(), zoom.screenSize(layout.picture)), Qt::IntersectClip);
    if (look.reach) {
        painter.setPen(QPen(QColor(kUnreachedColour), 1));
        painter.setBrush(QBrush(QColor(kUnreachedColour), Qt::BDiagPattern));
        const std::vector<AreaReach>& reach = *look.reach;
        for (int i = 0; i < int(reach.size()); ++i)
            if (reach[size_t(i)] == AreaReach::Hidden && exposed.intersects(browserAreaBounds(layout, i, zoom)))
                drawBrowserArea(painter, layout, i, zoom);
    }
    if (look.followed >= 0 && exposed.intersects(browserAreaBounds(layout, look.followed, zoom))) {
        painter.setPen(QPen(QColor(kFollowedColour), 1));
        painter.setBrush(QColor::fromRgba(kFollowedFill));
        drawBrowserArea(painter, layout, look.followed, zoom);
    }
    painter.restore();
}

// The shape as a browser reads it, through the centres of the pixels at its corners.
void MapPainter::drawBrowserArea(QPainter& painter, const BrowserLayout& layout, int index, const ZoomMapping& zoom)
{
    const BrowserArea& area = layout.areas[size_t(index)];
    const std::vector<double>& n = area.numbers;
    switch (area.shape) {
    case BrowserArea::Shape::Rectangle:
        drawOutline(painter, screenPixel(zoom, std::min(n[0], n[2]), std::min(n[1], n[3])),
            screenPixel(zoom, std::max(n[0], n[2]), std::max(n[1], n[3])));
        break;
    case BrowserArea::Shape::Circle:
        drawEllipseWithin(
            painter, screenPixel(zoom, n[0] - n[2], n[1] - n[2]), screenPixel(zoom, n[0] + n[2], n[1] + n[2]));
        break;
    case BrowserArea::Shape::Polygon: {
        m_points.clear();
        for (size_t i = 0; i + 1 < n.size(); i += 2)
            addPoint(screenPixel(zoom, n[i], n[i + 1]));
        painter.drawPolygon(m_points.data(), int(m_points.size()), Qt::OddEvenFill);
        break;
    }
    case BrowserArea::Shape::Default: {
        const QSize picture = layout.picture;
        drawOutline(painter, screenPixel(zoom, 0, 0), screenPixel(zoom, picture.width() - 1, picture.height() - 1));
        break;
    }
    case BrowserArea::Shape::Nothing:
        break;
    }
}
