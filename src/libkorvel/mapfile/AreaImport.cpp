#include "mapfile/AreaImport.h"

#include "document/ImagemapDocument.h"
#include "document/Numbers.h"
#include "mapfile/AreaShapeKeyword.h"
#include "mapfile/BoxCoords.h"
#include "mapfile/CoordinateList.h"

#include <cmath>
#include <optional>

namespace {

ImportedArea Refused(const QString& problem)
{
    ImportedArea refused;
    refused.problem = problem;
    return refused;
}

QString NumberText(double value)
{
    return QString::number(value, 'g', 12);
}

QString ListProblem(const CoordinateList& coords)
{
    if (!coords.percentEntry.isEmpty())
        return QStringLiteral("its coordinate “%1” is a percentage, which depends on the size the picture is shown at")
            .arg(coords.percentEntry);
    if (!coords.tooLargeEntry.isEmpty())
        return QStringLiteral("its coordinate “%1” is too large to be a number of pixels").arg(coords.tooLargeEntry);
    return {};
}

QString CountProblem(const CoordinateList& coords, size_t needed, const QString& shapeName)
{
    if (coords.numbers.size() >= needed)
        return {};
    return QStringLiteral("a %1 needs %2 coordinates, it has %3").arg(shapeName).arg(needed).arg(coords.numbers.size());
}

QString FarNumberProblem(const std::vector<double>& numbers, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (std::fabs(numbers[i]) > kFarthestBoxCoordinate)
            return QStringLiteral("its coordinate %1 lies farther out than any picture reaches")
                .arg(NumberText(numbers[i]));
    }
    return {};
}

QString BoxProblem(const CoordinateList& coords, int16_t shape)
{
    const bool circle = shape == kCircleShape;
    QString problem = ListProblem(coords);
    if (problem.isEmpty())
        problem = CountProblem(coords, circle ? 3 : 4, circle ? QStringLiteral("circle") : QStringLiteral("rectangle"));
    if (problem.isEmpty())
        problem = FarNumberProblem(coords.numbers, circle ? 3 : 4);
    if (problem.isEmpty() && circle && coords.numbers[2] < 0)
        problem = QStringLiteral("its radius %1 is negative").arg(NumberText(coords.numbers[2]));
    return problem;
}

BoxGeometry GeometryFromCoords(const std::vector<double>& numbers, int16_t shape)
{
    const auto single = [&](size_t i) { return static_cast<float>(numbers[i]); };
    if (shape == kCircleShape)
        return BoxFromCircle({ single(0), single(1), single(2) });
    return BoxFromRectangle({ single(0), single(1), single(2), single(3) });
}

// The box as Korvel saved it in data-korvel-box, when that is sound and the coords beside
// it are still the ones it gives: coords edited elsewhere since take precedence.
std::optional<BoxGeometry> SavedGeometry(const FoundArea& area, int16_t shape, const std::vector<double>& coords)
{
    if (!area.exactBox)
        return std::nullopt;
    const CoordinateList saved = ParseCoordinateList(*area.exactBox);
    if (saved.numbers.size() != 4 || !ListProblem(saved).isEmpty() || !FarNumberProblem(saved.numbers, 4).isEmpty())
        return std::nullopt;
    const auto single = [&](size_t i) { return static_cast<float>(saved.numbers[i]); };
    const BoxGeometry geometry { single(0), single(1), single(2), single(3) };
    if (geometry.width < 0 || geometry.height < 0 || !BoxMatchesCoords(geometry, shape, coords))
        return std::nullopt;
    return geometry;
}

ImportedArea ImportBox(const FoundArea& area, int16_t shape)
{
    const CoordinateList coords = ParseCoordinateList(area.coords);
    const QString problem = BoxProblem(coords, shape);
    if (!problem.isEmpty())
        return Refused(problem);
    ImportedArea imported;
    imported.kind = AreaKind::Box;
    BoxArea& box = imported.box;
    SetGeometry(box, SavedGeometry(area, shape, coords.numbers).value_or(GeometryFromCoords(coords.numbers, shape)));
    box.Shape = shape;
    box.BorderColor = NormalColour;
    box.Visible = true;
    box.url = area.href;
    box.alt = area.alt;
    return imported;
}

QString PolygonCountProblem(const CoordinateList& coords)
{
    const size_t points = coords.numbers.size() / 2;
    if (points == 0)
        return QStringLiteral("a polygon needs at least one x,y pair of coordinates");
    if (points > size_t(kMaxPolygonVertices))
        return QStringLiteral("it has %1 points, and a polygon holds at most %2").arg(points).arg(kMaxPolygonVertices);
    return {};
}

bool InInt16Range(double value)
{
    return value >= kInt16Min && value <= kInt16Max;
}

// Each point rounded half to even, as every value stored into a 16-bit field is.
QString StorePoints(const std::vector<double>& numbers, ImportedArea& imported)
{
    PolygonArea& polygon = imported.polygon;
    polygon.vertexCount = static_cast<int16_t>(numbers.size() / 2);
    ResizeVertexArrays(polygon, polygon.vertexCount);
    for (size_t k = 1; k <= size_t(polygon.vertexCount); ++k) {
        const double x = RoundHalfEven(numbers[2 * k - 2]);
        const double y = RoundHalfEven(numbers[2 * k - 1]);
        if (!InInt16Range(x) || !InInt16Range(y))
            return QStringLiteral("its point %1 (%2, %3) lies outside the range -32768 to 32767")
                .arg(k)
                .arg(NumberText(numbers[2 * k - 2]), NumberText(numbers[2 * k - 1]));
        imported.rounded = imported.rounded || x != numbers[2 * k - 2] || y != numbers[2 * k - 1];
        polygon.vertexX[k] = static_cast<int16_t>(x);
        polygon.vertexY[k] = static_cast<int16_t>(y);
    }
    return {};
}

ImportedArea ImportPolygon(const FoundArea& area)
{
    const CoordinateList coords = ParseCoordinateList(area.coords);
    QString problem = ListProblem(coords);
    if (problem.isEmpty())
        problem = PolygonCountProblem(coords);
    ImportedArea imported;
    if (problem.isEmpty())
        problem = StorePoints(coords.numbers, imported);
    if (!problem.isEmpty())
        return Refused(problem);
    imported.kind = AreaKind::Polygon;
    imported.polygon.url = area.href;
    imported.polygon.alt = area.alt;
    return imported;
}

} // namespace

ImportedArea ImportArea(const FoundArea& area)
{
    switch (AreaShapeFromAttribute(area.shape)) {
    case AreaShapeKeyword::Default:
        return Refused(QStringLiteral("its shape “default” covers the whole picture, which no Korvel area can"));
    case AreaShapeKeyword::Polygon:
        return ImportPolygon(area);
    case AreaShapeKeyword::Circle:
        return ImportBox(area, kCircleShape);
    case AreaShapeKeyword::Rectangle:
        break;
    }
    return ImportBox(area, kRectangleShape);
}
