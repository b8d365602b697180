#include "preview/BrowserLayout.h"

#include "map/ImageMap.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Far past any picture, and still an int.
constexpr double kFar = 1e9;

int pixelBelow(double value)
{
    return int(std::floor(std::clamp(value, -kFar, kFar)));
}

int pixelAbove(double value)
{
    return int(std::ceil(std::clamp(value, -kFar, kFar)));
}

// A pixel wider on every side than the numbers, for browsers' rounding to layout steps and
// to single precision, and for the circle's tolerance at its rim.
QRect spanOf(double left, double top, double right, double bottom)
{
    return QRect(QPoint(pixelBelow(left) - 1, pixelBelow(top) - 1), QPoint(pixelAbove(right) + 1, pixelAbove(bottom) + 1));
}

QRect boundsOf(const BrowserArea& area, QSize picture)
{
    const QRect whole(QPoint(), picture);
    if (area.shape == BrowserArea::Shape::Default)
        return whole;
    const std::optional<BrowserExtent> extent = browserAreaExtent(area);
    return extent ? spanOf(extent->left, extent->top, extent->right, extent->bottom).intersected(whole) : QRect();
}

} // namespace

BrowserLayout readBrowserLayout(const ImageMap& map, QSize picture)
{
    BrowserLayout layout;
    layout.picture = picture;
    const int count = map.count();
    layout.areas.reserve(size_t(count));
    layout.bounds.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const Area& area = map.at(i);
        layout.areas.push_back(browserAreaOf(area));
        layout.bounds.push_back(boundsOf(layout.areas.back(), picture));
        if (layout.areas.back().shape == BrowserArea::Shape::Default && layout.firstDefault < 0)
            layout.firstDefault = i;
    }
    std::vector<QRect> gridBounds = layout.bounds;
    if (layout.firstDefault >= 0)
        gridBounds[size_t(layout.firstDefault)] = QRect();
    layout.grid.build(gridBounds, picture);
    return layout;
}

int BrowserLayout::areaAt(QPoint pixel) const
{
    if (!QRect(QPoint(), picture).contains(pixel))
        return -1;
    int first = INT_MAX;
    const auto look = [&](const std::vector<int>& indexes) {
        for (const int i : indexes)
            if (i < first && bounds[size_t(i)].contains(pixel)
                && browserAreaContains(areas[size_t(i)], pixel.x(), pixel.y()))
                first = i;
    };
    look(grid.areasNear(pixel));
    look(grid.largeAreas());
    return first != INT_MAX ? first : firstDefault;
}
