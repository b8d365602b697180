#include "editor/TypedCoordinates.h"

#include "map/Area.h"
#include "map/ImageMap.h"
#include "map/Numbers.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <variant>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("TypedCoordinates", text);
}

// The numbers of the text, or why it has none that Korvel can take.
std::variant<std::vector<int>, QString> wholeNumbers(const QString& text)
{
    static const QRegularExpression separator(QStringLiteral("\\s*,\\s*|\\s+"));
    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]+$"));
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return tr("Type the coordinates, separated by commas.");
    std::vector<int> numbers;
    for (const QString& entry : trimmed.split(separator)) {
        if (entry.isEmpty())
            return tr("A number is missing between two commas.");
        if (!whole.match(entry).hasMatch())
            return tr("\"%1\" is not a whole number: coordinates are whole pixels.").arg(entry);
        bool ok = false;
        const qlonglong value = entry.toLongLong(&ok);
        if (!ok || value < kInt16Min || value > kInt16Max)
            return tr("%1 is outside the coordinates Korvel keeps, -32768 to 32767.").arg(entry);
        numbers.push_back(int(value));
    }
    return numbers;
}

QString takeRectangle(Area& area, const std::vector<int>& n)
{
    if (n.size() != 4)
        return tr("A rectangle takes four numbers: left, top, right, bottom.");
    const int left = std::min(n[0], n[2]);
    const int top = std::min(n[1], n[3]);
    area.setBox({ float(left), float(top), float(std::max(n[0], n[2]) - left), float(std::max(n[1], n[3]) - top) });
    return QString();
}

QString takeCircle(Area& area, const std::vector<int>& n)
{
    if (n.size() != 3)
        return tr("A circle takes three numbers: the centre's x and y, and the radius.");
    const int radius = n[2];
    if (radius < 0)
        return tr("A circle's radius cannot be negative.");
    if (n[0] - radius < kInt16Min || n[0] + radius > kInt16Max || n[1] - radius < kInt16Min
        || n[1] + radius > kInt16Max)
        return tr("The circle reaches past the coordinates Korvel keeps, -32768 to 32767.");
    area.setBox({ float(n[0] - radius), float(n[1] - radius), float(2 * radius), float(2 * radius) });
    return QString();
}

QString takePolygon(Area& area, const std::vector<int>& n)
{
    if (n.size() % 2 != 0)
        return tr("A polygon takes pairs of numbers: the x and y of each corner.");
    std::vector<Vertex> vertices;
    vertices.reserve(n.size() / 2 + 1);
    for (size_t i = 0; i < n.size(); i += 2)
        vertices.push_back({ int16_t(n[i]), int16_t(n[i + 1]) });
    // A finished polygon stores its first corner again as its last.
    const bool closed = vertices.size() > 1 && vertices.front() == vertices.back();
    if (vertices.size() - (closed ? 1 : 0) < 3)
        return tr("A polygon needs at least three corners.");
    if (!closed)
        vertices.push_back(vertices.front());
    if (vertices.size() > size_t(kMaxPolygonVertices))
        return tr("A polygon has at most %1 corners.").arg(kMaxPolygonVertices - 1);
    area.setVertices(std::move(vertices));
    return QString();
}

} // namespace

QString applyTypedCoordinates(Area& area, const QString& text)
{
    if (!area.isEditable())
        return tr("Korvel keeps this area as it came and cannot change it.");
    const auto numbers = wholeNumbers(text);
    if (const QString* why = std::get_if<QString>(&numbers))
        return *why;
    const std::vector<int>& n = std::get<std::vector<int>>(numbers);
    switch (area.shape()) {
    case AreaShape::Rectangle:
        return takeRectangle(area, n);
    case AreaShape::Circle:
        return takeCircle(area, n);
    case AreaShape::Polygon:
        return takePolygon(area, n);
    case AreaShape::Kept:
        break;
    }
    return QString();
}
