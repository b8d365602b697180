#include "check/BrowserMapView.h"

#include "html/BrowserNumbers.h"
#include "map/AreaGeometry.h"
#include "map/ImageMap.h"

#include <algorithm>
#include <cmath>

namespace {

using Shape = BrowserArea::Shape;

// Browsers hold coordinates within about ±2^25 pixels; beyond, every number is that far.
constexpr double kFarthest = 33554432;

qint64 floorPixel(double value)
{
    return qint64(std::floor(std::clamp(value, -kFarthest, kFarthest)));
}

qint64 ceilPixel(double value)
{
    return qint64(std::ceil(std::clamp(value, -kFarthest, kFarthest)));
}

PixelRange rangeAround(double left, double top, double right, double bottom)
{
    // One pixel more on each side: browsers cut to 1/64 steps and take a circle's rim a hair
    // wide, and testing a few pixels more changes no answer.
    return { floorPixel(left) - 1, floorPixel(top) - 1, ceilPixel(right) + 1, ceilPixel(bottom) + 1 };
}

PixelRange polygonRange(const std::vector<double>& n)
{
    double left = n[0], right = n[0], top = n[1], bottom = n[1];
    for (size_t i = 2; i + 1 < n.size(); i += 2) {
        left = std::min(left, n[i]);
        right = std::max(right, n[i]);
        top = std::min(top, n[i + 1]);
        bottom = std::max(bottom, n[i + 1]);
    }
    return rangeAround(left, top, right, bottom);
}

// The numbers the coords Korvel writes for the area hold: a page's own while they stand, a
// polygon's vertices, or what the text of a box says.
std::vector<double> coordsNumbers(const Area& area)
{
    if (area.keepsPageCoords())
        return area.pageNumbers();
    if (area.shape() != AreaShape::Polygon)
        return parseBrowserNumbers(coordsText(area));
    std::vector<double> numbers;
    numbers.reserve(2 * area.vertices().size());
    for (const Vertex v : area.vertices()) {
        numbers.push_back(v.x);
        numbers.push_back(v.y);
    }
    return numbers;
}

} // namespace

PixelRange PixelRange::intersected(const PixelRange& other) const
{
    return { std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
        std::min(bottom, other.bottom) };
}

bool PixelRange::contains(const PixelRange& other) const
{
    return !other.isEmpty() && left <= other.left && top <= other.top && other.right <= right && other.bottom <= bottom;
}

BrowserArea browserAreaOf(const Area& area)
{
    return browserAreaFrom(browserShapeOf(area.attribute(QLatin1String("shape"))), coordsNumbers(area));
}

PixelRange pixelBounds(const BrowserArea& area, const PixelRange& picture)
{
    const std::vector<double>& n = area.numbers;
    switch (area.shape) {
    case Shape::Rectangle:
        return rangeAround(std::min(n[0], n[2]), std::min(n[1], n[3]), std::max(n[0], n[2]), std::max(n[1], n[3]));
    case Shape::Circle:
        return rangeAround(n[0] - n[2], n[1] - n[2], n[0] + n[2], n[1] + n[2]);
    case Shape::Polygon:
        return polygonRange(n);
    case Shape::Default:
        return picture;
    case Shape::Nothing:
        break;
    }
    return {};
}

int firstDefaultArea(const std::vector<BrowserArea>& areas)
{
    const auto found = std::find_if(
        areas.begin(), areas.end(), [](const BrowserArea& area) { return area.shape == Shape::Default; });
    return found == areas.end() ? -1 : int(found - areas.begin());
}

BrowserMapView browserViewOf(const ImageMap& map, const QSize& picture)
{
    BrowserMapView view;
    view.pictureKnown = picture.isValid();
    view.pictureSize = picture;
    const qint64 far = qint64(kFarthest);
    view.picture = view.pictureKnown ? PixelRange { 0, 0, qint64(picture.width()) - 1, qint64(picture.height()) - 1 }
                                     : PixelRange { 0, 0, far, far };
    view.areas.reserve(size_t(map.count()));
    view.bounds.reserve(size_t(map.count()));
    for (const Area& area : map.areas()) {
        view.areas.push_back(browserAreaOf(area));
        view.bounds.push_back(pixelBounds(view.areas.back(), view.picture).intersected(view.picture));
    }
    return view;
}
