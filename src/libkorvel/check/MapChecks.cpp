#include "check/MapChecks.h"

#include "check/AltChecks.h"
#include "check/AreaShapeChecks.h"
#include "check/BrowserMapView.h"
#include "check/CoordsReadingChecks.h"
#include "check/LiteralTextChecks.h"
#include "check/MapNameChecks.h"
#include "check/ReachChecks.h"
#include "map/ImageMap.h"

#include <algorithm>

namespace {

void append(MapProblems& all, MapProblems more)
{
    all.insert(all.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

void markAreas(std::vector<bool>& settled, const MapProblems& problems)
{
    for (const MapProblem& problem : problems)
        settled[size_t(problem.area)] = true;
}

// The problems about which pixels of the picture an area holds: one at most per area. Each
// check has a budget of its own, so that one cannot leave the next nothing.
MapProblems pixelProblems(const ImageMap& map, const BrowserMapView& view, const MapCheckOptions& options)
{
    std::vector<bool> settled(size_t(map.count()), false);
    SearchBudget forNoPixel(options.searchBudget);
    MapProblems problems = degenerateAreaProblems(map, view, forNoPixel);
    markAreas(settled, problems);
    SearchBudget forOutside(options.searchBudget);
    MapProblems outside = outsidePictureProblems(view, settled, forOutside);
    markAreas(settled, outside);
    append(problems, std::move(outside));
    SearchBudget forUnreachable(options.searchBudget);
    append(problems, unreachableAreaProblems(view, settled, forUnreachable));
    return problems;
}

} // namespace

MapProblems checkMap(const ImageMap& map, const MapCheckOptions& options)
{
    const BrowserMapView view = browserViewOf(map, options.picture);
    MapProblems problems = mapNameProblems(map);
    append(problems, pixelProblems(map, view, options));
    append(problems, missingAltProblems(map));
    if (options.generated)
        append(problems, literalTextProblems(map));
    append(problems, coordsReadingProblems(map, view));
    std::stable_sort(
        problems.begin(), problems.end(), [](const MapProblem& a, const MapProblem& b) { return a.area < b.area; });
    return problems;
}
