#include "mapfile/MapPageWriter.h"

#include "document/Numbers.h"
#include "mapfile/AttributeEscaping.h"
#include "mapfile/BoxCoords.h"

namespace {

QString Quoted(const QString& text)
{
    return QLatin1Char('"') + EscapedHtmlText(text) + QLatin1Char('"');
}

QString WholeNumber(double value)
{
    return QString::number(value == 0 ? 0.0 : value, 'f', 0); // a rounded -0.4 is written 0, as Generate writes it
}

QString JoinedSingles(std::initializer_list<float> values)
{
    QString text;
    for (const float value : values) {
        if (!text.isEmpty())
            text += QLatin1Char(',');
        text += FormatSingle(value);
    }
    return text;
}

QString BoxCoordsText(const BoxGeometry& geometry, int16_t shape)
{
    if (shape == kCircleShape) {
        const std::array<double, 3> circle = CircleCoords(geometry);
        return WholeNumber(circle[0]) + QLatin1Char(',') + WholeNumber(circle[1]) + QLatin1Char(',')
            + WholeNumber(circle[2]);
    }
    const std::array<float, 4> corners = RectangleCoords(geometry);
    return JoinedSingles({ corners[0], corners[1], corners[2], corners[3] });
}

QString AreaStart(const QString& url, const QString& alt)
{
    return QStringLiteral("<area href=") + Quoted(url) + QStringLiteral(" alt=") + Quoted(alt);
}

void WriteBox(QString& out, const BoxArea& box)
{
    if (box.Shape != kRectangleShape && box.Shape != kCircleShape)
        return;
    const BoxGeometry geometry = GeometryOf(box);
    out += AreaStart(box.url, box.alt);
    out += QStringLiteral(" coords=\"") + BoxCoordsText(geometry, box.Shape);
    out += box.Shape == kCircleShape ? QStringLiteral("\" shape=\"circle\"") : QStringLiteral("\" shape=\"rect\"");
    if (!CoordsKeepBoxExactly(geometry, box.Shape)) {
        out += QStringLiteral(" data-korvel-box=\"")
            + JoinedSingles({ geometry.left, geometry.top, geometry.width, geometry.height }) + QLatin1Char('"');
    }
    out += QStringLiteral(">\n");
}

void WritePolygon(QString& out, const PolygonArea& polygon)
{
    out += AreaStart(polygon.url, polygon.alt);
    out += QStringLiteral(" coords=\"");
    for (int k = 1; k <= polygon.vertexCount; ++k) {
        if (k > 1)
            out += QLatin1Char(',');
        out += QString::number(polygon.vertexX[size_t(k)]) + QLatin1Char(',')
            + QString::number(polygon.vertexY[size_t(k)]);
    }
    out += QStringLiteral("\" shape=\"poly\">\n");
}

QString ImageElement(const QString& mapName, const PagePicture& picture)
{
    QString image = QStringLiteral("<img src=") + Quoted(picture.source) + QStringLiteral(" alt=") + Quoted(mapName);
    if (picture.size.isValid()) {
        image += QStringLiteral(" width=\"%1\" height=\"%2\"").arg(picture.size.width()).arg(picture.size.height());
    }
    return image + QStringLiteral(" usemap=") + Quoted(QLatin1Char('#') + mapName) + QStringLiteral(">\n");
}

QString PageStart(const QString& mapName)
{
    const QString title = mapName.isEmpty() ? QStringLiteral("Imagemap") : EscapedHtmlText(mapName);
    return QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>") + title
        + QStringLiteral("</title>\n</head>\n<body>\n");
}

} // namespace

QString MapPageHtml(const ImagemapDocument& map, const QString& mapName, const PagePicture& picture)
{
    QString out;
    out.reserve(1024 + 96 * (map.boxCount + map.polyCount));
    out += PageStart(mapName);
    out += ImageElement(mapName, picture);
    out += QStringLiteral("<map name=") + Quoted(mapName) + QStringLiteral(">\n");
    for (int16_t i = 1; i <= map.boxCount; ++i)
        WriteBox(out, map.box(i));
    for (int16_t i = 1; i <= map.polyCount; ++i)
        WritePolygon(out, map.polygon(i));
    out += QStringLiteral("</map>\n</body>\n</html>\n");
    return out;
}
