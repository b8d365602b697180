#include "check/CoordsReadingChecks.h"

#include "check/BrowserMapView.h"
#include "html/BrowserNumbers.h"
#include "html/BrowserShapeHits.h"
#include "html/PageArea.h"
#include "map/ImageMap.h"

#include <cmath>

namespace {

using Shape = BrowserArea::Shape;

// Whether browsers cut the number onto a whole pixel that Korvel shows a fraction beyond it.
// Only lower edges move a pixel in or out that way: a rectangle's upper corner cut back
// onto a whole pixel keeps that pixel.
bool cutOntoWholePixel(double value)
{
    const double cut = browserCoordinate(value);
    return value > 0 && cut != value && cut == std::floor(cut);
}

// The first number whose cut moves an edge of the area onto a whole pixel, or -1. A radius
// cut to 0 leaves no circle at all, which is said elsewhere.
int firstCutNumber(const BrowserArea& area)
{
    const std::vector<double>& n = area.numbers;
    for (size_t i = 0; i < n.size(); ++i) {
        const bool upperCorner = area.shape == Shape::Rectangle && n[i] > n[i < 2 ? i + 2 : i - 2];
        const bool radiusGone = area.shape == Shape::Circle && i == 2 && browserCoordinate(n[i]) == 0;
        if (!upperCorner && !radiusGone && cutOntoWholePixel(n[i]))
            return int(i);
    }
    return -1;
}

QString areaProblem(const Area& area, const BrowserArea& browser)
{
    if (browser.shape == Shape::Nothing || browser.shape == Shape::Default)
        return {};
    const QString percentage = firstPercentage(area.text(QLatin1String("coords")));
    if (!percentage.isEmpty())
        return CheckWords::tr("browsers read its coordinate “%1” as %2 pixels, not as a share of the picture")
            .arg(shownText(percentage), numberText(browserCoordinate(parseBrowserNumbers(percentage).front())));
    if (!area.isEditable()) {
        const QString reason = readPageArea(area.attributes()).problem;
        return reason.isEmpty() ? CheckWords::tr("Korvel cannot show it, but browsers use it")
                                : CheckWords::tr("Korvel cannot show it (%1), but browsers use it").arg(reason);
    }
    const int cut = firstCutNumber(browser);
    if (cut >= 0)
        return CheckWords::tr("browsers read its coordinate %1 as %2: they place areas in steps of 1/64 pixel")
            .arg(numberText(browser.numbers[size_t(cut)]), numberText(browserCoordinate(browser.numbers[size_t(cut)])));
    return {};
}

} // namespace

MapProblems coordsReadingProblems(const ImageMap& map, const BrowserMapView& view)
{
    MapProblems problems;
    for (int i = 0; i < map.count(); ++i) {
        QString problem = areaProblem(map.at(i), view.areas[size_t(i)]);
        if (!problem.isEmpty())
            problems.push_back({ i, std::move(problem) });
    }
    return problems;
}
