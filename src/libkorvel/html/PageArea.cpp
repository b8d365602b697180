#include "html/PageArea.h"

#include "html/BrowserArea.h"
#include "html/BrowserNumbers.h"
#include "map/ImageMap.h"
#include "map/Numbers.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

using Shape = BrowserArea::Shape;

// Texts a user reads, translated in the context "PageArea".
struct Words {
    Q_DECLARE_TR_FUNCTIONS(PageArea)
};

QString numberText(double value)
{
    return QString::number(value, 'g', 12);
}

std::optional<QString> valueOf(const std::vector<Attribute>& attributes, const char* name)
{
    for (const Attribute& attribute : attributes)
        if (attribute.name == QLatin1String(name))
            return attribute.value;
    return std::nullopt;
}

size_t numbersUsed(Shape shape, size_t count)
{
    return shape == Shape::Rectangle ? 4 : shape == Shape::Circle ? 3 : count / 2 * 2;
}

QString countProblem(Shape shape, size_t count)
{
    if (shape == Shape::Rectangle && count < 4)
        return Words::tr("a rectangle needs 4 coordinates, it has %1").arg(count);
    if (shape == Shape::Circle && count < 3)
        return Words::tr("a circle needs 3 coordinates, it has %1").arg(count);
    if (shape == Shape::Polygon && count < 2)
        return Words::tr("a polygon needs at least one x,y pair of coordinates");
    if (shape == Shape::Polygon && count / 2 > size_t(kMaxPolygonVertices))
        return Words::tr("it has %1 points, and a polygon holds at most %2").arg(count / 2).arg(kMaxPolygonVertices);
    return {};
}

QString problemWith(Shape shape, const QString& coords, const std::vector<double>& numbers)
{
    if (shape == Shape::Default)
        return Words::tr("its shape “default” covers the whole picture, which no Korvel area can");
    const QString percent = firstPercentage(coords);
    if (!percent.isEmpty())
        return Words::tr("its coordinate “%1” is a percentage, which browsers read as a number of pixels").arg(percent);
    const QString problem = countProblem(shape, numbers.size());
    if (!problem.isEmpty())
        return problem;
    for (size_t i = 0; i < numbersUsed(shape, numbers.size()); ++i)
        if (numbers[i] < kInt16Min || numbers[i] > kInt16Max)
            return Words::tr("its coordinate %1 lies outside the range -32768 to 32767").arg(numberText(numbers[i]));
    if (shape == Shape::Circle && numbers[2] < 0)
        return Words::tr("its radius %1 is negative").arg(numberText(numbers[2]));
    return {};
}

Area editableArea(Shape shape, std::vector<Attribute> attributes, std::vector<double> numbers)
{
    numbers.resize(numbersUsed(shape, numbers.size()));
    const auto single = [&](size_t i) { return static_cast<float>(numbers[i]); };
    if (shape == Shape::Rectangle) {
        const float left = std::min(single(0), single(2));
        const float top = std::min(single(1), single(3));
        const Box box { left, top, std::max(single(0), single(2)) - left, std::max(single(1), single(3)) - top };
        return Area::fromPage(AreaShape::Rectangle, std::move(attributes), box, {}, std::move(numbers));
    }
    if (shape == Shape::Circle) {
        const float radius = single(2);
        const Box box { single(0) - radius, single(1) - radius, 2 * radius, 2 * radius };
        return Area::fromPage(AreaShape::Circle, std::move(attributes), box, {}, std::move(numbers));
    }
    std::vector<Vertex> vertices(numbers.size() / 2);
    for (size_t i = 0; i < vertices.size(); ++i)
        vertices[i] = { roundToInt16(numbers[2 * i]), roundToInt16(numbers[2 * i + 1]) };
    return Area::fromPage(AreaShape::Polygon, std::move(attributes), {}, std::move(vertices), std::move(numbers));
}

} // namespace

PageArea readPageArea(std::vector<Attribute> attributes)
{
    const Shape shape = browserShapeOf(valueOf(attributes, "shape"));
    const QString coords = valueOf(attributes, "coords").value_or(QString());
    std::vector<double> numbers = parseBrowserNumbers(coords);
    QString problem = problemWith(shape, coords, numbers);
    if (!problem.isEmpty())
        return { Area::fromPage(AreaShape::Kept, std::move(attributes)), std::move(problem) };
    return { editableArea(shape, std::move(attributes), std::move(numbers)), QString() };
}

QString firstPercentage(const QString& coords)
{
    const qsizetype percent = coords.indexOf(u'%');
    if (percent < 0)
        return {};
    // The entry around it, between separators as browsers know them.
    const auto isSeparator = [](QChar c) { return QLatin1StringView(" \t\n\f\r,;").contains(c); };
    qsizetype start = percent, end = percent;
    while (start > 0 && !isSeparator(coords[start - 1]))
        --start;
    while (end < coords.size() && !isSeparator(coords[end]))
        ++end;
    return coords.mid(start, end - start);
}

QString areaLabel(int number, const Area& area)
{
    const QString href = area.text(QLatin1String("href"));
    const QString alt = area.text(QLatin1String("alt"));
    const bool byHref = !href.isEmpty() || alt.isEmpty();
    QString text = byHref ? href : alt;
    constexpr qsizetype kLongest = 60;
    if (text.size() > kLongest) {
        const qsizetype kept = text[kLongest - 2].isHighSurrogate() ? kLongest - 2 : kLongest - 1;
        text = text.left(kept) + QChar(0x2026); // never half a character
    }
    if (text.isEmpty())
        return Words::tr("area %1 (no href)").arg(number);
    return (byHref ? Words::tr("area %1 (href “%2”)") : Words::tr("area %1 (alt “%2”)"))
        .arg(QString::number(number), text);
}
