#include "check/ReachChecks.h"

#include "check/BoundsGrid.h"

#include <QStringList>

#include <algorithm>

namespace {

using Shape = BrowserArea::Shape;

// Whether one area takes every pixel of the other by itself: a default area, the same area
// again, or a rectangle or circle holding the four corners of the other's range, since both
// hold everything between.
bool takesAllOf(const BrowserArea& area, const BrowserArea& other, const PixelRange& range)
{
    if (area.shape == Shape::Default || (area.shape == other.shape && area.numbers == other.numbers))
        return true;
    if (area.shape != Shape::Rectangle && area.shape != Shape::Circle)
        return false;
    const double left = double(range.left), top = double(range.top);
    const double right = double(range.right), bottom = double(range.bottom);
    return browserAreaContains(area, left, top) && browserAreaContains(area, right, top)
        && browserAreaContains(area, left, bottom) && browserAreaContains(area, right, bottom);
}

// "2, 5, 7", the first few of them.
QString numbersOf(const std::vector<int>& areas)
{
    constexpr size_t kMostNamed = 5;
    QStringList numbers;
    for (size_t i = 0; i < std::min(areas.size(), kMostNamed); ++i)
        numbers << QString::number(qint64(areas[i]) + 1);
    if (areas.size() > kMostNamed)
        numbers << QString(QChar(0x2026));
    return numbers.join(QLatin1String(", "));
}

QString unreachableProblem(const std::vector<int>& coverers, bool firstDefault)
{
    if (firstDefault && coverers.size() == 1)
        return CheckWords::tr("no click can reach it: a default area takes only what the others leave, and "
                              "area %1 takes all of the picture")
            .arg(numbersOf(coverers));
    if (firstDefault)
        return CheckWords::tr("no click can reach it: a default area takes only what the others leave, and "
                              "areas %1 take all of the picture")
            .arg(numbersOf(coverers));
    if (coverers.size() == 1)
        return CheckWords::tr("no click can reach it: area %1, before it in the map, takes all of it")
            .arg(numbersOf(coverers));
    return CheckWords::tr("no click can reach it: areas %1, before it in the map, take all of it")
        .arg(numbersOf(coverers));
}

// Where the areas lie, for finding those that meet one. Default areas, which lie
// everywhere, are kept out of the grid so that its cells fit the other areas.
std::vector<PixelRange> boundsBesidesDefaults(const BrowserMapView& view)
{
    std::vector<PixelRange> bounds = view.bounds;
    for (size_t i = 0; i < view.areas.size(); ++i)
        if (view.areas[i].shape == Shape::Default)
            bounds[i] = {};
    return bounds;
}

std::vector<int> defaultAreas(const BrowserMapView& view)
{
    std::vector<int> defaults;
    for (size_t i = 0; i < view.areas.size(); ++i)
        if (view.areas[i].shape == Shape::Default)
            defaults.push_back(int(i));
    return defaults;
}

struct AreaPlaces {
    explicit AreaPlaces(const BrowserMapView& view)
        : bounds(boundsBesidesDefaults(view))
        , grid(bounds)
        , defaults(defaultAreas(view))
    {
    }
    const std::vector<PixelRange> bounds;
    const BoundsGrid grid;
    const std::vector<int> defaults;
};

// The areas a browser tries before `index` whose pixels may meet it.
std::vector<int> triedBefore(const BrowserMapView& view, const AreaPlaces& places, int index, int firstDefault)
{
    std::vector<int> before = places.grid.meeting(view.bounds[size_t(index)]);
    before.insert(before.end(), places.defaults.begin(), places.defaults.end());
    const auto triedLater = [&](int other) {
        return other == index || other == firstDefault || (index != firstDefault && other > index);
    };
    before.erase(std::remove_if(before.begin(), before.end(), triedLater), before.end());
    std::sort(before.begin(), before.end());
    return before;
}

// The pixel tests one area's search may make at most, so that an area too costly to settle
// leaves the rest of the budget to the others.
constexpr qint64 kMostTestsPerArea = qint64(1) << 20;
// How many areas in front of others are looked at in all; only maps of tens of thousands of
// overlapping areas come near it.
constexpr qint64 kMostAreasInFront = qint64(1) << 26;

// One area in front of the other that takes all of it, shown without looking at pixels;
// -1 for none.
int oneTakingAll(const BrowserMapView& view, int index, const std::vector<int>& before)
{
    for (int other : before)
        if (takesAllOf(view.areas[size_t(other)], view.areas[size_t(index)], view.bounds[size_t(index)]))
            return other;
    return -1;
}

// The areas before `index` that take all of it, found pixel by pixel; none when a pixel of
// it is left to click, or the budget ran out first.
std::vector<int> coverersOf(const BrowserMapView& view, int index, const std::vector<int>& before, SearchBudget& budget)
{
    std::vector<CoveringArea> covering;
    for (int other : before)
        covering.push_back({ &view.areas[size_t(other)], view.bounds[size_t(other)] });
    std::vector<bool> used(before.size(), false);
    SearchBudget share(std::min(budget.left(), kMostTestsPerArea));
    const qint64 shareTests = share.left();
    const PixelSearchResult found
        = findUncoveredPixel(view.areas[size_t(index)], view.bounds[size_t(index)], covering, share, &used);
    budget.spend(shareTests - std::max<qint64>(share.left(), 0));
    if (found != PixelSearchResult::AllCovered)
        return {};
    std::vector<int> coverers;
    for (size_t i = 0; i < before.size(); ++i)
        if (used[i])
            coverers.push_back(before[i]);
    return coverers;
}

// The areas in front of `index` that take all of it; none when a pixel is left to click or
// it cannot be settled. Once the budget is spent, only what needs no pixels is settled.
std::vector<int> areasTakingAll(
    const BrowserMapView& view, int index, const std::vector<int>& before, SearchBudget& budget)
{
    const int taker = oneTakingAll(view, index, before);
    if (taker >= 0)
        return { taker };
    if (budget.isSpent())
        return {};
    return coverersOf(view, index, before, budget);
}

} // namespace

MapProblems unreachableAreaProblems(const BrowserMapView& view, const std::vector<bool>& settled, SearchBudget& budget)
{
    MapProblems problems;
    const AreaPlaces places(view);
    const int firstDefault = firstDefaultArea(view.areas);
    SearchBudget inFront(kMostAreasInFront);
    for (int i = 0; i < int(view.areas.size()) && !inFront.isSpent(); ++i) {
        if ((size_t(i) < settled.size() && settled[size_t(i)]) || view.bounds[size_t(i)].isEmpty())
            continue;
        // Without a picture size the default area's pixels are endless: nothing to settle.
        if (i == firstDefault && !view.pictureKnown)
            continue;
        const std::vector<int> before = triedBefore(view, places, i, firstDefault);
        if (before.empty() || !inFront.spend(qint64(before.size())))
            continue;
        const std::vector<int> coverers = areasTakingAll(view, i, before, budget);
        if (!coverers.empty())
            problems.push_back({ i, unreachableProblem(coverers, i == firstDefault) });
    }
    return problems;
}
