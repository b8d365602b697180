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
                if (!visit(double(x), double(y)))
                    return;
        }
    }
}

} // namespace

bool SearchBudget::spend(qint64 tests)
{
    m_left -= tests;
    return m_left >= 0;
}

PixelSearchResult findUncoveredPixel(const BrowserArea& area, const PixelRange& range,
    const std::vector<const BrowserArea*>& covering, SearchBudget& budget, std::vector<bool>* coverersUsed)
{
    if (range.isEmpty())
        return PixelSearchResult::NoneHeld;
    bool held = false;
    bool uncovered = false;
    bool stoppedShort = false;
    const auto outOfBudget = [&](qint64 cost) {
        stoppedShort = !budget.spend(cost);
        return stoppedShort;
    };
    const qint64 areaCost = testCost(area);
    visitSpreadOut(range, [&](double x, double y) {
        if (outOfBudget(areaCost))
            return false;
        if (!browserAreaContains(area, x, y))
            return true;
        held = true;
        for (size_t i = 0; i < covering.size(); ++i) {
            if (outOfBudget(testCost(*covering[i])))
                return false;
            if (browserAreaContains(*covering[i], x, y)) {
                if (coverersUsed)
                    (*coverersUsed)[i] = true;
                return true;
            }
        }
        uncovered = true;
        return false;
    });
    if (uncovered)
        return PixelSearchResult::Uncovered;
    if (stoppedShort)
        return PixelSearchResult::OutOfBudget;
    return held ? PixelSearchResult::AllCovered : PixelSearchResult::NoneHeld;
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
