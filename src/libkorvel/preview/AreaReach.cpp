#include "preview/AreaReach.h"

#include "preview/BrowserLayout.h"

#include <algorithm>
#include <array>

namespace {

using Shape = BrowserArea::Shape;

// Every so many pixels across and down for the first look at an area.
constexpr int kSampleStride = 8;

class ReachFinder {
public:
    ReachFinder(const BrowserLayout& in, int64_t budget, const std::atomic<bool>* stop)
        : m_in(in)
        , m_budget(budget)
        , m_stop(stop)
    {
    }

    // A sparse sample of the area's pixels: Reached, or Hidden when earlier rectangles,
    // circles and default areas hold all of it; otherwise Unchecked, for a closer look.
    AreaReach firstLook(int i) { return look(i, kSampleStride); }
    // Every pixel of the area.
    AreaReach closeLook(int i) { return look(i, 1); }

private:
    AreaReach look(int i, int stride)
    {
        const QRect bounds = m_in.bounds[size_t(i)];
        if (bounds.isEmpty())
            return AreaReach::NoPixel;
        bool sawPixel = false;
        if (!findOpenSquares(i, bounds, sawPixel))
            return AreaReach::Unchecked;
        for (const QRect& square : m_open) {
            const AreaReach found = scan(i, square, bounds.topLeft(), stride, sawPixel);
            if (found != AreaReach::Hidden)
                return found;
        }
        if (stride > 1 && !m_open.empty())
            return AreaReach::Unchecked;
        return sawPixel ? AreaReach::Hidden : AreaReach::NoPixel;
    }

    // The squares of the grid over the area that no earlier convex shape holds whole; false
    // when the work ran out.
    bool findOpenSquares(int i, const QRect& bounds, bool& sawPixel)
    {
        m_open.clear();
        for (int y = bounds.top(); y <= bounds.bottom();) {
            int nextRow = bounds.bottom() + 1;
            for (int x = bounds.left(); x <= bounds.right();) {
                if (m_budget < 0)
                    return false;
                const QRect square = m_in.grid.cellAround({ x, y }).intersected(bounds);
                nextRow = square.bottom() + 1;
                x = square.right() + 1;
                if (coveredBefore(i, square))
                    sawPixel = true; // whatever the area holds there leads elsewhere
                else
                    m_open.push_back(square);
            }
            y = nextRow;
        }
        return true;
    }

    bool competes(int j, int i) const
    {
        return j != m_in.firstDefault && (i == m_in.firstDefault || j < i);
    }

    bool holds(int j, QPoint pixel)
    {
        const BrowserArea& area = m_in.areas[size_t(j)];
        m_budget -= area.shape == Shape::Polygon ? int64_t(area.numbers.size() / 2) : 1;
        // Now and then: a look at the stop costs more than a hit test.
        if ((++m_tests & 0xffff) == 0 && m_stop && m_stop->load(std::memory_order_relaxed))
            m_budget = -1;
        return browserAreaContains(area, pixel.x(), pixel.y());
    }

    // Reached at a pixel of the square that the area holds and no earlier area takes; Hidden
    // when there is none; Unchecked when the work ran out. Only every stride-th pixel from
    // origin across and down is looked at.
    AreaReach scan(int i, const QRect& square, QPoint origin, int stride, bool& sawPixel)
    {
        const auto first = [stride](int start, int from) { return start + (from - start + stride - 1) / stride * stride; };
        for (int y = first(origin.y(), square.top()); y <= square.bottom(); y += stride) {
            for (int x = first(origin.x(), square.left()); x <= square.right(); x += stride) {
                if (m_budget < 0)
                    return AreaReach::Unchecked;
                if (!holds(i, { x, y }))
                    continue;
                sawPixel = true;
                if (!takenBefore(i, { x, y }))
                    return AreaReach::Reached;
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

    // An earlier convex shape holding the square's four corners holds all of it.
    bool coveredBefore(int i, const QRect& square)
    {
        const std::array<QPoint, 4> corners { square.topLeft(), square.topRight(), square.bottomLeft(),
            square.bottomRight() };
        return anyNear(square.topLeft(), i, [&](int j) {
            const Shape shape = m_in.areas[size_t(j)].shape;
            if (shape == Shape::Polygon || !m_in.bounds[size_t(j)].contains(square))
                return false;
            for (const QPoint corner : corners)
                if (!holds(j, corner))
                    return false;
            return true;
        });
    }

    const BrowserLayout& m_in;
    int64_t m_budget;
    const std::atomic<bool>* m_stop;
    uint32_t m_tests = 0;
    std::vector<QRect> m_open;
};

int64_t pixelsOf(const QRect& bounds)
{
    return int64_t(bounds.width()) * bounds.height();
}

} // namespace

std::vector<AreaReach> findReach(const BrowserLayout& in, int64_t budget, const std::atomic<bool>* stop)
{
    ReachFinder finder(in, budget, stop);
    std::vector<AreaReach> reach(in.areas.size());
    std::vector<int> undecided;
    for (size_t i = 0; i < reach.size(); ++i) {
        reach[i] = finder.firstLook(int(i));
        if (reach[i] == AreaReach::Unchecked)
            undecided.push_back(int(i));
    }
    // The small areas first: each costs little to decide, and a few large ones do not use up
    // the work allowed for many.
    std::stable_sort(undecided.begin(), undecided.end(),
        [&](int a, int b) { return pixelsOf(in.bounds[size_t(a)]) < pixelsOf(in.bounds[size_t(b)]); });
    for (const int i : undecided)
        reach[size_t(i)] = finder.closeLook(i);
    return reach;
}
