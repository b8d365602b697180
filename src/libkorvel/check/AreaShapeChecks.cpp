#include "check/AreaShapeChecks.h"

#include "html/BrowserNumbers.h"
#include "html/BrowserShapeHits.h"
#include "map/AreaGeometry.h"
#include "map/ImageMap.h"

namespace {

using Shape = BrowserArea::Shape;

// Why browsers draw no shape for the area at all.
QString noShapeProblem(const Area& area)
{
    const Shape shape = browserShapeOf(area.attribute(QLatin1String("shape")));
    const std::vector<double> numbers = parseBrowserNumbers(coordsText(area));
    const qsizetype count = qsizetype(numbers.size());
    if (shape == Shape::Rectangle)
        return CheckWords::tr("a rectangle needs 4 coordinates and it has %1: browsers give it no pixel").arg(count);
    if (shape == Shape::Polygon)
        return CheckWords::tr("a polygon needs 3 corners and it has %1: browsers give it no pixel").arg(count / 2);
    if (count < 3)
        return CheckWords::tr("a circle needs 3 coordinates and it has %1: browsers give it no pixel").arg(count);
    return CheckWords::tr("its radius is %1: browsers give it no pixel").arg(numberText(numbers[2]));
}

QString flatRectangleProblem(const std::vector<double>& n)
{
    const bool noWidth = browserCoordinate(n[0]) == browserCoordinate(n[2]);
    const bool noHeight = browserCoordinate(n[1]) == browserCoordinate(n[3]);
    if (noWidth && noHeight)
        return CheckWords::tr("its corners are one point (%1, %2): browsers give it no pixel")
            .arg(numberText(n[0]), numberText(n[1]));
    if (noWidth)
        return CheckWords::tr("it has no width: browsers take a click only on its two end corners");
    if (noHeight)
        return CheckWords::tr("it has no height: browsers take a click only on its two end corners");
    return {};
}

bool cornersOnOneLine(const std::vector<double>& n)
{
    const double x0 = browserCoordinate(n[0]), y0 = browserCoordinate(n[1]);
    size_t far = 0; // a corner away from the first, which with it sets the line
    for (size_t i = 2; i + 1 < n.size() && far == 0; i += 2)
        if (browserCoordinate(n[i]) != x0 || browserCoordinate(n[i + 1]) != y0)
            far = i;
    if (far == 0)
        return true;
    const double dx = browserCoordinate(n[far]) - x0, dy = browserCoordinate(n[far + 1]) - y0;
    for (size_t i = far + 2; i + 1 < n.size(); i += 2)
        if ((browserCoordinate(n[i]) - x0) * dy != (browserCoordinate(n[i + 1]) - y0) * dx)
            return false;
    return true;
}

QString degenerateProblem(const Area& area, const BrowserArea& browser, SearchBudget& budget)
{
    if (browser.shape == Shape::Nothing)
        return noShapeProblem(area);
    if (browser.shape == Shape::Default)
        return {};
    if (browser.shape == Shape::Rectangle) {
        QString problem = flatRectangleProblem(browser.numbers);
        if (!problem.isEmpty())
            return problem;
    }
    if (browser.shape == Shape::Polygon && cornersOnOneLine(browser.numbers))
        return CheckWords::tr("its corners lie on one line: browsers take a click only on the line's ends");
    if (holdsPixelIn(browser, pixelBounds(browser, {}), budget) == false) {
        if (browser.shape == Shape::Circle && browserCoordinate(browser.numbers[2]) == 0)
            return CheckWords::tr("its radius %1 is under 1/64 pixel: browsers give it no pixel")
                .arg(numberText(browser.numbers[2]));
        return CheckWords::tr("it encloses no whole pixel: browsers give it no pixel");
    }
    return {};
}

} // namespace

MapProblems degenerateAreaProblems(const ImageMap& map, const BrowserMapView& view, SearchBudget& budget)
{
    MapProblems problems;
    for (int i = 0; i < map.count(); ++i) {
        QString problem = degenerateProblem(map.at(i), view.areas[size_t(i)], budget);
        if (!problem.isEmpty())
            problems.push_back({ i, std::move(problem) });
    }
    return problems;
}

MapProblems outsidePictureProblems(const BrowserMapView& view, const std::vector<bool>& settled, SearchBudget& budget)
{
    MapProblems problems;
    const QString problem = view.pictureKnown
        ? CheckWords::tr("it lies wholly outside the %1 × %2 picture: browsers give it no pixel")
              .arg(view.pictureSize.width())
              .arg(view.pictureSize.height())
        : CheckWords::tr("it lies wholly above or left of the picture: browsers give it no pixel");
    for (size_t i = 0; i < view.areas.size(); ++i) {
        const BrowserArea& area = view.areas[i];
        if ((i < settled.size() && settled[i]) || area.shape == Shape::Nothing || area.shape == Shape::Default)
            continue;
        if (holdsPixelIn(area, view.bounds[i], budget) == false)
            problems.push_back({ int(i), problem });
    }
    return problems;
}
