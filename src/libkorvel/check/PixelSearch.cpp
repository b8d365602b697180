#include "check/PixelSearch.h"

#include <algorithm>

namespace {

qint64 testCost(const BrowserArea& area)
{
    return area.shape == BrowserArea::Shape::Polygon ? qint64(area.numbers.size() / 2) : 1;
}

// Calls visit(x, y) once for every pixel of range, coarse grids first; stops when visit
// returns false.
template <typename Visit> void visitSpreadOut(const PixelRange& range, Visit visit)
{
    qint64 stride = 1;
    while (stride < std::max(range.width(), range.height()))
        stride *= 2;
    for (qint64 step = stride; step >= 1; step /= 2) {
        const bool firstGrid = step == stride;
        for (qint64 row = 0; range.top + row * step <= range.bottom; ++row) {
            // Pixels on both an even row and an even column were visited on the coarser grid.
            const bool everyColumn = firstGrid || row % 2 == 1;
            const qint64 y = range.top + row * step;
            for (qint64 x = everyColumn ? range.left : range.left + step; x <= range.right;
                 x += everyColumn ? step : 2 * step)
                if (!visit(x, y))
                    return;
        }
    }
}

using Shape = BrowserArea::Shape;

// The search for a pixel of one area that the covering areas leave.
class CoverSearch {
public:
    CoverSearch(const BrowserArea& area, const std::vector<CoveringArea>& covering, SearchBudget& budget,
        std::vector<bool>* coverersUsed)
        : m_area(area)
        , m_covering(covering)
        , m_budget(budget)
        , m_coverersUsed(coverersUsed)
    {
    }

    PixelSearchResult run(const PixelRange& range)
    {
        // A few pixels spread over the range usually find an uncovered one at once; the
        // blocks then settle the rest.
        qint64 samples = 0;
        visitSpreadOut(range, [&](qint64 x, qint64 y) { return ++samples <= kSamples && visitPixel(x, y); });
        if (!m_uncovered && !m_stoppedShort)
            scanBlock(range);
        if (m_uncovered)
            return PixelSearchResult::Uncovered;
        if (m_stoppedShort)
            return PixelSearchResult::OutOfBudget;
        return m_held ? PixelSearchResult::AllCovered : PixelSearchResult::NoneHeld;
    }

private:
    static constexpr qint64 kSamples = 64;
    static constexpr qint64 kLeafPixels = 16;

    bool spend(qint64 tests)
    {
        m_stoppedShort = m_stoppedShort || !m_budget.spend(tests);
        return !m_stoppedShort;
    }

    bool holds(size_t coverer, qint64 x, qint64 y)
    {
        const CoveringArea& c = m_covering[coverer];
        if (x < c.bounds.left || x > c.bounds.right || y < c.bounds.top || y > c.bounds.bottom)
            return false;
        return spend(testCost(*c.area)) && browserAreaContains(*c.area, double(x), double(y));
    }

    void noteCoverer(size_t coverer)
    {
        m_lastCoverer = coverer;
        if (m_coverersUsed)
            (*m_coverersUsed)[coverer] = true;
    }

    // False when the search is over: an uncovered pixel found, or the budget spent.
    bool visitPixel(qint64 x, qint64 y)
    {
        if (!spend(testCost(m_area)))
            return false;
        if (!browserAreaContains(m_area, double(x), double(y)))
            return true;
        m_held = true;
        // Neighbouring pixels are mostly taken by the same area: it is asked first.
        for (size_t n = 0; n < m_covering.size() && !m_stoppedShort; ++n) {
            const size_t coverer = n == 0 ? m_lastCoverer : (n == m_lastCoverer ? 0 : n);
            if (holds(coverer, x, y)) {
                noteCoverer(coverer);
                return true;
            }
        }
        m_uncovered = !m_stoppedShort;
        return false;
    }

    // Whether one covering rectangle, circle or default area holds the whole block: holding
    // its four corners, it holds everything between.
    bool blockTakenWhole(const PixelRange& b)
    {
        for (size_t i = 0; i < m_covering.size(); ++i) {
            const Shape shape = m_covering[i].area->shape;
            if (shape != Shape::Rectangle && shape != Shape::Circle && shape != Shape::Default)
                continue;
            if (!m_covering[i].bounds.contains(b))
                continue;
            if (holds(i, b.left, b.top) && holds(i, b.right, b.top) && holds(i, b.left, b.bottom)
                && holds(i, b.right, b.bottom)) {
                noteCoverer(i);
                return true;
            }
        }
        return false;
    }

    // False when the search is over.
    bool scanBlock(const PixelRange& block)
    {
        if (block.width() * block.height() <= kLeafPixels) {
            for (qint64 y = block.top; y <= block.bottom; ++y)
                for (qint64 x = block.left; x <= block.right; ++x)
                    if (!visitPixel(x, y))
                        return false;
            return true;
        }
        if (blockTakenWhole(block))
            return !m_stoppedShort;
        PixelRange first = block, second = block;
        if (block.width() >= block.height()) {
            first.right = block.left + block.width() / 2 - 1;
            second.left = first.right + 1;
        } else {
            first.bottom = block.top + block.height() / 2 - 1;
            second.top = first.bottom + 1;
        }
        return scanBlock(first) && scanBlock(second);
    }

    const BrowserArea& m_area;
    const std::vector<CoveringArea>& m_covering;
    SearchBudget& m_budget;
    std::vector<bool>* m_coverersUsed;
    size_t m_lastCoverer = 0;
    bool m_held = false;
    bool m_uncovered = false;
    bool m_stoppedShort = false;
};

} // namespace

bool SearchBudget::spend(qint64 tests)
{
    m_left -= tests;
    return m_left >= 0;
}

PixelSearchResult findUncoveredPixel(const BrowserArea& area, const PixelRange& range,
    const std::vector<CoveringArea>& covering, SearchBudget& budget, std::vector<bool>* coverersUsed)
{
    if (range.isEmpty())
        return PixelSearchResult::NoneHeld;
    return CoverSearch(area, covering, budget, coverersUsed).run(range);
}

std::optional<bool> holdsPixelIn(const BrowserArea& area, const PixelRange& range, SearchBudget& budget)
{
    switch (findUncoveredPixel(area, range, {}, budget)) {
    case PixelSearchResult::Uncovered:
        return true;
    case PixelSearchResult::NoneHeld:
        return false;
    case PixelSearchResult::AllCovered:
    case PixelSearchResult::OutOfBudget:
        break;
    }
    return std::nullopt;
}
