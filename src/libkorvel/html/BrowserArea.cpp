#include "html/BrowserArea.h"

#include "html/BrowserNumbers.h"
#include "html/BrowserShapeHits.h"
#include "map/AreaGeometry.h"

#include <algorithm>
#include <climits>
#include <cstddef>

namespace {

using Shape = BrowserArea::Shape;

// How many of the numbers the shape uses; 0 when they are too few to draw it.
std::size_t numbersUsed(Shape shape, const std::vector<double>& numbers)
{
    switch (shape) {
    case Shape::Rectangle:
        return numbers.size() >= 4 ? 4 : 0;
    case Shape::Circle:
        return numbers.size() >= 3 && numbers[2] > 0 ? 3 : 0;
    case Shape::Polygon:
        return numbers.size() >= 6 ? numbers.size() / 2 * 2 : 0;
    case Shape::Default:
    case Shape::Nothing:
        break;
    }
    return 0;
}

} // namespace

Shape browserShapeOf(const std::optional<QString>& keyword)
{
    if (!keyword)
        return Shape::Rectangle;
    const auto is = [&](QLatin1StringView name) { return keyword->compare(name, Qt::CaseInsensitive) == 0; };
    if (is(QLatin1StringView("default")))
        return Shape::Default;
    if (is(QLatin1StringView("circle")) || is(QLatin1StringView("circ")))
        return Shape::Circle;
    if (is(QLatin1StringView("poly")) || is(QLatin1StringView("polygon")))
        return Shape::Polygon;
    return Shape::Rectangle;
}

BrowserArea readBrowserArea(const std::optional<QString>& shape, const std::optional<QString>& coords)
{
    const Shape read = browserShapeOf(shape);
    if (read == Shape::Default || !coords)
        return browserAreaFrom(read, {});
    return browserAreaFrom(read, parseBrowserNumbers(*coords));
}

BrowserArea browserAreaFrom(Shape shape, std::vector<double> numbers)
{
    if (shape == Shape::Default)
        return { shape, {} };
    const std::size_t used = numbersUsed(shape, numbers);
    if (used == 0)
        return BrowserArea {};
    numbers.resize(used);
    return { shape, std::move(numbers) };
}

bool browserAreaContains(const BrowserArea& area, double x, double y)
{
    const std::vector<double>& n = area.numbers;
    switch (area.shape) {
    case Shape::Rectangle:
        return n.size() == 4 && rectangleHit(n[0], n[1], n[2], n[3], x, y);
    case Shape::Circle:
        return n.size() == 3 && circleHit(n[0], n[1], n[2], x, y);
    case Shape::Polygon:
        return polygonHit(n, x, y);
    case Shape::Default:
        return true;
    case Shape::Nothing:
        break;
    }
    return false;
}

int browserAreaAt(const std::vector<BrowserArea>& areasInMapOrder, double x, double y)
{
    int firstDefault = -1;
    const int count = int(std::min<std::size_t>(areasInMapOrder.size(), INT_MAX));
    for (int i = 0; i < count; ++i) {
        const BrowserArea& area = areasInMapOrder[std::size_t(i)];
        if (area.shape == Shape::Default && firstDefault < 0)
            firstDefault = i;
        else if (browserAreaContains(area, x, y))
            return i;
    }
    return firstDefault;
}

BrowserArea browserAreaOf(const Area& area)
{
    std::vector<double> numbers;
    if (area.keepsPageCoords()) {
        numbers = area.pageNumbers();
    } else if (area.shape() != AreaShape::Polygon) {
        numbers = parseBrowserNumbers(coordsText(area));
    } else {
        numbers.reserve(2 * area.vertices().size());
        for (const Vertex v : area.vertices()) {
            numbers.push_back(v.x);
            numbers.push_back(v.y);
        }
    }
    return browserAreaFrom(browserShapeOf(area.attribute(QLatin1String("shape"))), std::move(numbers));
}

std::optional<BrowserExtent> browserAreaExtent(const BrowserArea& area)
{
    const std::vector<double>& n = area.numbers;
    switch (area.shape) {
    case Shape::Rectangle:
        return BrowserExtent { std::min(n[0], n[2]), std::min(n[1], n[3]), std::max(n[0], n[2]), std::max(n[1], n[3]) };
    case Shape::Circle:
        return BrowserExtent { n[0] - n[2], n[1] - n[2], n[0] + n[2], n[1] + n[2] };
    case Shape::Polygon: {
        BrowserExtent extent { n[0], n[1], n[0], n[1] };
        for (size_t i = 2; i + 1 < n.size(); i += 2) {
            extent.left = std::min(extent.left, n[i]);
            extent.right = std::max(extent.right, n[i]);
            extent.top = std::min(extent.top, n[i + 1]);
            extent.bottom = std::max(extent.bottom, n[i + 1]);
        }
        return extent;
    }
    case Shape::Default:
    case Shape::Nothing:
        break;
    }
    return std::nullopt;
}
