#include "output/HtmlGenerator.h"

#include "document/Numbers.h"

#include <cmath>

namespace {

const QLatin1String kLineBreak("\r\n");

// A circle's centre and radius: computed in single precision, then rounded half to even.
QString RoundedSingle(float value)
{
    const double rounded = RoundHalfEven(static_cast<double>(value));
    if (!(std::fabs(rounded) < 9.0e18)) // beyond any image, but never undefined
        return QString::number(rounded, 'f', 0);
    return QString::number(static_cast<qlonglong>(rounded)); // also turns -0 into 0
}

void AppendAreaStart(QString& out, const QString& url, const QString& alt)
{
    out += QLatin1String("<area href=\"");
    out += url;
    out += QLatin1String("\" alt=\"");
    out += alt;
    out += QLatin1String("\" coords=\"");
}

void AppendBox(QString& out, const BoxArea& box, const QString& url, const QString& alt)
{
    if (box.Shape == kCircleShape) {
        const float centreX = box.Left + box.Width / 2;
        const float centreY = box.Top + box.Height / 2;
        const float radius = box.Width / 2; // the height plays no part
        AppendAreaStart(out, url, alt);
        out += RoundedSingle(centreX) + QLatin1Char(',') + RoundedSingle(centreY) + QLatin1Char(',')
            + RoundedSingle(radius);
        out += QLatin1String("\" shape=\"circle\">");
        out += kLineBreak;
    } else if (box.Shape == kRectangleShape) {
        const float right = box.Left + box.Width;
        const float bottom = box.Top + box.Height;
        AppendAreaStart(out, url, alt);
        out += FormatSingle(box.Left) + QLatin1Char(',') + FormatSingle(box.Top) + QLatin1Char(',')
            + FormatSingle(right) + QLatin1Char(',') + FormatSingle(bottom);
        out += QLatin1String("\">"); // rectangle is HTML's default shape
        out += kLineBreak;
    }
    // Any other shape kind has no HTML form and is left out.
}

void AppendPolygon(QString& out, const PolygonArea& polygon, const QString& url, const QString& alt)
{
    AppendAreaStart(out, url, alt);
    for (int k = 1; k <= polygon.vertexCount; ++k) {
        out += QString::number(polygon.vertexX[static_cast<size_t>(k)]);
        out += QLatin1Char(',');
        out += QString::number(polygon.vertexY[static_cast<size_t>(k)]);
        if (k < polygon.vertexCount)
            out += QLatin1Char(',');
    }
    out += QLatin1String("\" shape=\"poly\">");
    out += kLineBreak;
}

} // namespace

QString GenerateImagemapHtml(const ImagemapDocument& doc, const QString& mapName)
{
    QString out;
    // About 80 characters per area keeps a large map to one or two allocations.
    out.reserve(64 + 80 * (doc.boxCount + doc.polyCount));
    out += QLatin1String("<map name=\"");
    out += mapName;
    out += QLatin1String("\">");
    out += kLineBreak;
    for (int i = 1; i <= doc.boxCount; ++i) {
        const auto index = static_cast<size_t>(i);
        AppendBox(out, doc.Shape[index], doc.boxUrl[index], doc.boxAlt[index]);
    }
    for (int i = 1; i <= doc.polyCount; ++i) {
        const auto index = static_cast<size_t>(i);
        AppendPolygon(out, doc.polygons[index], doc.polyUrl[index], doc.polyAlt[index]);
    }
    out += QLatin1String("</map>");
    return out;
}
