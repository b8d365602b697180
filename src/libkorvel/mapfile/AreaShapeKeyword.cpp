#include "mapfile/AreaShapeKeyword.h"

namespace {

bool Is(const QString& value, const char* keyword)
{
    return value.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

bool IsAsciiOnly(const QString& value)
{
    for (const QChar c : value) {
        if (c.unicode() > 0x7F)
            return false;
    }
    return true;
}

} // namespace

AreaShapeKeyword AreaShapeFromAttribute(const std::optional<QString>& value)
{
    // Browsers fold ASCII letters only, so no other character may stand for a keyword's letter.
    if (!value || !IsAsciiOnly(*value))
        return AreaShapeKeyword::Rectangle;
    if (Is(*value, "circle") || Is(*value, "circ"))
        return AreaShapeKeyword::Circle;
    if (Is(*value, "poly") || Is(*value, "polygon"))
        return AreaShapeKeyword::Polygon;
    if (Is(*value, "default"))
        return AreaShapeKeyword::Default;
    return AreaShapeKeyword::Rectangle;
}
