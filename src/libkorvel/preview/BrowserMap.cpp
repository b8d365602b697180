#include "preview/BrowserMap.h"

#include "editor/MapEditor.h"
#include "map/AreaGeometry.h"
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
    const std::vector<double>& n = area.numbers;
    QRect span;
    switch (area.shape) {
    case BrowserArea::Shape::Rectangle:
        span = spanOf(std::min(n[0], n[2]), std::min(n[1], n[3]), std::max(n[0], n[2]), std::max(n[1], n[3]));
        break;
    case BrowserArea::Shape::Circle:
        span = spanOf(n[0] - n[2], n[1] - n[2], n[0] + n[2], n[1] + n[2]);
        break;
    case BrowserArea::Shape::Polygon: {
        double left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
        for (size_t i = 0; i + 1 < n.size(); i += 2) {
            left = std::min(left, n[i]);
            right = std::max(right, n[i]);
            top = std::min(top, n[i + 1]);
            bottom = std::max(bottom, n[i + 1]);
        }
        span = spanOf(left, top, right, bottom);
        break;
    }
    case BrowserArea::Shape::Default:
        span = QRect(QPoint(), picture);
        break;
    case BrowserArea::Shape::Nothing:
        break;
    }
    return span.intersected(QRect(QPoint(), picture));
}

} // namespace

BrowserMap::BrowserMap(MapEditor& editor)
    : m_editor(editor)
    , m_map(editor.map())
{
    m_editor.addMapObserver(this);
}

BrowserMap::~BrowserMap()
{
    m_editor.removeMapObserver(this);
}

void BrowserMap::setPicture(QSize picture)
{
    if (picture == m_picture)
        return;
    m_picture = picture;
    changed();
}

void BrowserMap::changed()
{
    ++m_generation;
    m_built = false;
    m_reachKnown = false;
}

void BrowserMap::build() const
{
    if (m_built)
        return;
    const int count = m_map.count();
    m_areas.resize(size_t(count));
    m_bounds.resize(size_t(count));
    m_firstDefault = -1;
    for (int i = 0; i < count; ++i) {
        const Area& area = m_map.at(i);
        BrowserArea& browser = m_areas[size_t(i)];
        browser = readBrowserArea(area.attribute(QLatin1String("shape")), coordsText(area));
        m_bounds[size_t(i)] = boundsOf(browser, m_picture);
        if (browser.shape == BrowserArea::Shape::Default && m_firstDefault < 0)
            m_firstDefault = i;
    }
    // The first default area takes only what no other takes: it is never looked for near a pixel.
    std::vector<QRect> gridBounds = m_bounds;
    if (m_firstDefault >= 0)
        gridBounds[size_t(m_firstDefault)] = QRect();
    m_grid.build(gridBounds, m_picture);
    m_built = true;
}

int BrowserMap::count() const
{
    build();
    return int(m_areas.size());
}

const BrowserArea& BrowserMap::area(int index) const
{
    build();
    return m_areas[size_t(index)];
}

QRect BrowserMap::pixelBounds(int index) const
{
    build();
    return m_bounds[size_t(index)];
}

int BrowserMap::areaAt(QPoint pixel) const
{
    build();
    if (!QRect(QPoint(), m_picture).contains(pixel))
        return -1;
    int first = INT_MAX;
    const auto look = [&](const std::vector<int>& indexes) {
        for (const int i : indexes)
            if (i < first && m_bounds[size_t(i)].contains(pixel)
                && browserAreaContains(m_areas[size_t(i)], pixel.x(), pixel.y()))
                first = i;
    };
    look(m_grid.areasNear(pixel));
    look(m_grid.largeAreas());
    return first != INT_MAX ? first : m_firstDefault;
}

const std::vector<AreaReach>& BrowserMap::reach() const
{
    if (!m_reachKnown) {
        build();
        m_reach = findReach({ m_areas, m_bounds, m_grid, m_firstDefault });
        m_reachKnown = true;
    }
    return m_reach;
}
