#include "mapfile/MapPageWriter.h"

#include "document/Numbers.h"
#include "mapfile/AttributeEscaping.h"
#include "mapfile/BoxCoords.h"

#include <charconv>
#include <cmath>

namespace {

// Numbers are formatted on the stack and appended without temporary strings: the largest
// map has half a million of them.
void AppendInteger(QString& out, long long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out += QLatin1String(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

void AppendSingle(QString& out, float value)
{
    char buffer[kSingleTextCapacity];
    out += QLatin1String(buffer, static_cast<qsizetype>(WriteSingle(value, buffer)));
}

void AppendSingles(QString& out, std::initializer_list<float> values)
{
    bool first = true;
    for (const float value : values) {
        if (!first)
            out += QLatin1Char(',');
        first = false;
        AppendSingle(out, value);
    }
}

// A circle's rounded numbers are whole; far beyond any picture they are written in full.
void AppendWholeNumber(QString& out, double value)
{
    if (std::fabs(value) < 1e15)
        AppendInteger(out, static_cast<long long>(value));
    else
        out += QString::number(value, 'f', 0);
}

void AppendAttribute(QString& out, QLatin1String name, const QString& text)
{
    out += QLatin1Char(' ');
    out += name;
    out += QLatin1String("=\"");
    out += EscapedHtmlText(text);
    out += QLatin1Char('"');
}

void AppendBoxCoords(QString& out, const BoxGeometry& geometry, int16_t shape)
{
    if (shape == kCircleShape) {
        const std::array<double, 3> circle = CircleCoords(geometry);
        AppendWholeNumber(out, circle[0]);
        out += QLatin1Char(',');
        AppendWholeNumber(out, circle[1]);
        out += QLatin1Char(',');
        AppendWholeNumber(out, circle[2]);
        return;
    }
    const std::array<float, 4> corners = RectangleCoords(geometry);
    AppendSingles(out, { corners[0], corners[1], corners[2], corners[3] });
}

void AppendAreaStart(QString& out, const QString& url, const QString& alt)
{
    out += QLatin1String("<area");
    AppendAttribute(out, QLatin1String("href"), url);
    AppendAttribute(out, QLatin1String("alt"), alt);
    out += QLatin1String(" coords=\"");
}

void WriteBox(QString& out, const BoxArea& box)
{
    if (box.Shape != kRectangleShape && box.Shape != kCircleShape)
        return;
    const BoxGeometry geometry = GeometryOf(box);
    AppendAreaStart(out, box.url, box.alt);
    AppendBoxCoords(out, geometry, box.Shape);
    out += box.Shape == kCircleShape ? QLatin1String("\" shape=\"circle\"") : QLatin1String("\" shape=\"rect\"");
    if (!CoordsKeepBoxExactly(geometry, box.Shape)) {
        out += QLatin1String(" data-korvel-box=\"");
        AppendSingles(out, { geometry.left, geometry.top, geometry.width, geometry.height });
        out += QLatin1Char('"');
    }
    out += QLatin1String(">\n");
}

void WritePolygon(QString& out, const PolygonArea& polygon)
{
    AppendAreaStart(out, polygon.url, polygon.alt);
    for (size_t k = 1; k <= size_t(polygon.vertexCount); ++k) {
        if (k > 1)
            out += QLatin1Char(',');
        AppendInteger(out, polygon.vertexX[k]);
        out += QLatin1Char(',');
        AppendInteger(out, polygon.vertexY[k]);
    }
    out += QLatin1String("\" shape=\"poly\">\n");
}

void WriteImage(QString& out, const QString& mapName, const PagePicture& picture)
{
    if (picture.source.isEmpty())
        return;
    out += QLatin1String("<img");
    AppendAttribute(out, QLatin1String("src"), picture.source);
    AppendAttribute(out, QLatin1String("alt"), mapName);
    if (picture.size.isValid()) {
        out += QLatin1String(" width=\"");
        AppendInteger(out, picture.size.width());
        out += QLatin1String("\" height=\"");
        AppendInteger(out, picture.size.height());
        out += QLatin1Char('"');
    }
    AppendAttribute(out, QLatin1String("usemap"), QLatin1Char('#') + mapName);
    out += QLatin1String(">\n");
}

void WritePageStart(QString& out, const QString& mapName)
{
    out += QLatin1String("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>");
    out += mapName.isEmpty() ? QStringLiteral("Imagemap") : EscapedHtmlText(mapName);
    out += QLatin1String("</title>\n</head>\n<body>\n");
}

} // namespace

QString MapPageHtml(const ImagemapDocument& map, const QString& mapName, const PagePicture& picture)
{
    QString out;
    out.reserve(1024 + 128 * (map.boxCount + map.polyCount));
    WritePageStart(out, mapName);
    WriteImage(out, mapName, picture);
    out += QLatin1String("<map");
    AppendAttribute(out, QLatin1String("name"), mapName);
    out += QLatin1String(">\n");
    for (int16_t i = 1; i <= map.boxCount; ++i)
        WriteBox(out, map.box(i));
    for (int16_t i = 1; i <= map.polyCount; ++i)
        WritePolygon(out, map.polygon(i));
    out += QLatin1String("</map>\n</body>\n</html>\n");
    return out;
}
