#include "check/BrowserMapView.h"

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

// One pixel more on each side: browsers cut to 1/64 steps and take a circle's rim a hair
// wide, and testing a few pixels more changes no answer.
PixelRange rangeAround(const BrowserExtent& extent)
{
    return { floorPixel(extent.left) - 1, floorPixel(extent.top) - 1, ceilPixel(extent.right) + 1,
        ceilPixel(extent.bottom) + 1 };
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

PixelRange pixelBounds(const BrowserArea& area, const PixelRange& picture)
{
    if (area.shape == Shape::Default)
        return picture;
    const std::optional<BrowserExtent> extent = browserAreaExtent(area);
    return extent ? rangeAround(*extent) : PixelRange {};
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
