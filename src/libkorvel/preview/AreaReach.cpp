#include "preview/AreaReach.h"

#include "preview/PixelGrid.h"

#include <array>

namespace {

using Shape = BrowserArea::Shape;

class ReachFinder {
public:
    ReachFinder(const ReachInput& in, int64_t budget)
        : m_in(in)
        , m_budget(budget)
    {
    }

    AreaReach reachOf(int i)
    {
        const QRect bounds = m_in.bounds[size_t(i)];
        if (bounds.isEmpty())
            return AreaReach::NoPixel;
        bool sawPixel = false;
        for (int y = bounds.top(); y <= bounds.bottom();) {
            int nextRow = bounds.bottom() + 1;
            for (int x = bounds.left(); x <= bounds.right();) {
                const QRect tile = m_in.grid.cellAround({ x, y }).intersected(bounds);
                nextRow = tile.bottom() + 1;
                x = tile.right() + 1;
                if (m_budget < 0)
                    return AreaReach::Unchecked;
                if (coveredBefore(i, tile)) {
                    sawPixel = true; // whatever the area holds there leads elsewhere
                    continue;
                }
                const AreaReach inTile = scan(i, tile, sawPixel);
                if (inTile != AreaReach::Hidden)
                    return inTile;
            }
            y = nextRow;
        }
        return sawPixel ? AreaReach::Hidden : AreaReach::NoPixel;
    }

private:
    bool competes(int j, int i) const
    {
        return j != m_in.firstDefault && (i == m_in.firstDefault || j < i);
    }

    bool holds(int j, QPoint pixel)
    {
        const BrowserArea& area = m_in.areas[size_t(j)];
        m_budget -= area.shape == Shape::Polygon ? int64_t(area.numbers.size() / 2) : 1;
        return browserAreaContains(area, pixel.x(), pixel.y());
    }

    // Reached at the tile's first pixel of the area that no earlier area takes; Hidden when
    // there is none; Unchecked when the work ran out.
    AreaReach scan(int i, const QRect& tile, bool& sawPixel)
    {
        for (int y = tile.top(); y <= tile.bottom(); ++y) {
            for (int x = tile.left(); x <= tile.right(); ++x) {
                if (!holds(i, { x, y }))
                    continue;
                sawPixel = true;
                if (!takenBefore(i, { x, y }))
                    return AreaReach::Reached;
                if (m_budget < 0)
                    return AreaReach::Unchecked;
            }
        }
        return AreaReach::Hidden;
    }

    template <typename Look> bool anyNear(QPoint pixel, int i, Look&& look) const
    {
        for (const std::vector<int>* list : { &m_in.grid.areasNear(pixel), &m_in.grid.largeAreas() })
            for (const int j : *list) {
                if (i != m_in.firstDefault && j >= i)
                    break; // the lists are in map order
                if (competes(j, i) && look(j))
                    return true;
            }
        return false;
    }

    bool takenBefore(int i, QPoint pixel)
    {
        return anyNear(pixel, i, [&](int j) { return m_in.bounds[size_t(j)].contains(pixel) && holds(j, pixel); });
    }

    // An earlier convex shape holding the tile's four corners holds all of it.
    bool coveredBefore(int i, const QRect& tile)
    {
        const std::array<QPoint, 4> corners { tile.topLeft(), tile.topRight(), tile.bottomLeft(), tile.bottomRight() };
        return anyNear(tile.topLeft(), i, [&](int j) {
            const Shape shape = m_in.areas[size_t(j)].shape;
            if (shape == Shape::Polygon || !m_in.bounds[size_t(j)].contains(tile))
                return false;
            for (const QPoint corner : corners)
                if (!holds(j, corner))
                    return false;
            return true;
        });
    }

    const ReachInput& m_in;
    int64_t m_budget;
};

} // namespace

std::vector<AreaReach> findReach(const ReachInput& in, int64_t budget)
{
    ReachFinder finder(in, budget);
    std::vector<AreaReach> reach(in.areas.size());
    for (size_t i = 0; i < reach.size(); ++i)
        reach[i] = finder.reachOf(int(i));
    return reach;
}
