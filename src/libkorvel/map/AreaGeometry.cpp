#include "map/AreaGeometry.h"

#include "map/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

void appendInteger(QString& out, long long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out += QLatin1String(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

void appendSingle(QString& out, float value)
{
    char buffer[kSingleTextCapacity];
    out += QLatin1String(buffer, static_cast<qsizetype>(writeSingle(value, buffer)));
}

// Whole numbers of a circle; beyond any picture they are still written in full.
void appendWhole(QString& out, double value)
{
    if (std::fabs(value) < 1e15)
        appendInteger(out, static_cast<long long>(value));
    else
        out += QString::number(value, 'f', 0);
}

double roundedSingle(float value)
{
    return roundHalfEven(static_cast<double>(value));
}

QRectF polygonBounds(const Area& area)
{
    const std::vector<double>& numbers = area.pageNumbers();
    double left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
    const auto add = [&](double x, double y) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    };
    for (const Vertex v : area.vertices())
        add(v.x, v.y);
    for (size_t i = 0; i + 1 < numbers.size(); i += 2)
        add(numbers[i], numbers[i + 1]);
    if (left > right)
        return {};
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

} // namespace

RectangleFigure rectangleOf(const Area& area)
{
    const std::vector<double>& page = area.pageNumbers();
    if (page.size() >= 4)
        return { std::min(page[0], page[2]), std::min(page[1], page[3]), std::max(page[0], page[2]),
            std::max(page[1], page[3]) };
    const Box& box = area.box();
    return { box.left, box.top, box.left + box.width, box.top + box.height };
}

CircleFigure circleOf(const Area& area)
{
    const std::vector<double>& page = area.pageNumbers();
    if (page.size() >= 3)
        return { page[0], page[1], page[2] };
    const Box& box = area.box();
    // The radius comes from the width alone.
    return { roundedSingle(box.left + box.width / 2), roundedSingle(box.top + box.height / 2),
        roundedSingle(box.width / 2) };
}

void appendCoordsText(QString& out, const Area& area)
{
    if (area.keepsPageCoords() || area.shape() == AreaShape::Kept) {
        out += area.text(QLatin1String("coords"));
        return;
    }
    const QLatin1Char comma(',');
    const Box& box = area.box();
    switch (area.shape()) {
    case AreaShape::Rectangle:
        appendSingle(out, box.left);
        out += comma;
        appendSingle(out, box.top);
        out += comma;
        appendSingle(out, box.left + box.width);
        out += comma;
        appendSingle(out, box.top + box.height);
        break;
    case AreaShape::Circle: {
        const CircleFigure circle = circleOf(area);
        appendWhole(out, circle.centreX);
        out += comma;
        appendWhole(out, circle.centreY);
        out += comma;
        appendWhole(out, circle.radius);
        break;
    }
    case AreaShape::Polygon: {
        bool first = true;
        for (const Vertex v : area.vertices()) {
            if (!first)
                out += comma;
            first = false;
            appendInteger(out, v.x);
            out += comma;
            appendInteger(out, v.y);
        }
        break;
    }
    case AreaShape::Kept:
        break;
    }
}

QString coordsText(const Area& area)
{
    QString out;
    appendCoordsText(out, area);
    return out;
}

QRectF areaBounds(const Area& area)
{
    // Spans of zero size count: a box of size 0 still shows as a dot.
    const auto span = [](double left, double top, double right, double bottom, const Box& box) {
        return QRectF(QPointF(std::min<double>(left, box.left), std::min<double>(top, box.top)),
            QPointF(std::max<double>(right, box.right()), std::max<double>(bottom, box.bottom())));
    };
    switch (area.shape()) {
    case AreaShape::Rectangle: {
        const RectangleFigure r = rectangleOf(area);
        return span(r.left, r.top, r.right, r.bottom, area.box());
    }
    case AreaShape::Circle: {
        const CircleFigure c = circleOf(area);
        const double r = std::max(0.0, c.radius);
        return span(c.centreX - r, c.centreY - r, c.centreX + r, c.centreY + r, area.box());
    }
    case AreaShape::Polygon:
        return polygonBounds(area);
    case AreaShape::Kept:
        break;
    }
    return {};
}
