#include "output/HtmlGenerator.h"

#include "document/Numbers.h"

#include <charconv>
#include <cmath>

namespace {

// Builds the text in one buffer: numbers are formatted on the stack and appended
// without temporary strings, which keeps a map of 65,000 areas to a few milliseconds.
class HtmlWriter {
public:
    explicit HtmlWriter(qsizetype expectedSize) { m_out.reserve(expectedSize); }

    HtmlWriter& operator<<(QLatin1String text)
    {
        m_out.append(text);
        return *this;
    }
    HtmlWriter& operator<<(const QString& text)
    {
        m_out.append(text);
        return *this;
    }
    HtmlWriter& operator<<(long long number)
    {
        char buffer[24];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
        m_out.append(QLatin1String(buffer, static_cast<qsizetype>(result.ptr - buffer)));
        return *this;
    }

    HtmlWriter& operator<<(float number)
    {
        char buffer[kSingleTextCapacity];
        m_out.append(QLatin1String(buffer, static_cast<qsizetype>(WriteSingle(number, buffer))));
        return *this;
    }

    QString Take() { return std::move(m_out); }

private:
    QString m_out;
};

const QLatin1String kLineBreak("\r\n");

// A circle's centre and radius: computed in single precision, then rounded half to even.
long long RoundedSingle(float value)
{
    const double rounded = RoundHalfEven(static_cast<double>(value));
    if (!(std::fabs(rounded) < 9.0e18)) // beyond any image, but never undefined
        return rounded < 0 ? -9000000000000000000LL : 9000000000000000000LL;
    return static_cast<long long>(rounded);
}

void WriteAreaStart(HtmlWriter& out, const QString& url, const QString& alt)
{
    out << QLatin1String("<area href=\"") << url << QLatin1String("\" alt=\"") << alt << QLatin1String("\" coords=\"");
}

void WriteBox(HtmlWriter& out, const BoxArea& box)
{
    const QLatin1String comma(",");
    if (box.Shape == kCircleShape) {
        const float centreX = box.Left + box.Width / 2;
        const float centreY = box.Top + box.Height / 2;
        const float radius = box.Width / 2; // the height plays no part
        WriteAreaStart(out, box.url, box.alt);
        out << RoundedSingle(centreX) << comma << RoundedSingle(centreY) << comma << RoundedSingle(radius)
            << QLatin1String("\" shape=\"circle\">") << kLineBreak;
    } else if (box.Shape == kRectangleShape) {
        const float right = box.Left + box.Width;
        const float bottom = box.Top + box.Height;
        WriteAreaStart(out, box.url, box.alt);
        // Rectangles are not rounded: a fractional position is written with its fraction.
        out << box.Left << comma << box.Top << comma << right << comma << bottom << QLatin1String("\">")
            << kLineBreak; // rectangle is HTML's default shape
    }
    // Any other shape kind has no HTML form and is left out.
}

void WritePolygon(HtmlWriter& out, const PolygonArea& polygon)
{
    WriteAreaStart(out, polygon.url, polygon.alt);
    for (int k = 1; k <= polygon.vertexCount; ++k) {
        const auto index = static_cast<size_t>(k);
        out << static_cast<long long>(polygon.vertexX[index]) << QLatin1String(",")
            << static_cast<long long>(polygon.vertexY[index]);
        if (k < polygon.vertexCount)
            out << QLatin1String(",");
    }
    out << QLatin1String("\" shape=\"poly\">") << kLineBreak;
}

qsizetype ExpectedSize(const ImagemapDocument& map, const QString& mapName)
{
    qsizetype size = 32 + mapName.size();
    for (int16_t i = 1; i <= map.boxCount; ++i)
        size += 80 + map.box(i).url.size() + map.box(i).alt.size();
    for (int16_t i = 1; i <= map.polyCount; ++i) {
        const PolygonArea& polygon = map.polygon(i);
        size += 64 + 12 * polygon.vertexCount + polygon.url.size() + polygon.alt.size();
    }
    return size;
}

} // namespace

QString GenerateImagemapHtml(const ImagemapDocument& map, const QString& mapName)
{
    HtmlWriter out(ExpectedSize(map, mapName));
    out << QLatin1String("<map name=\"") << mapName << QLatin1String("\">") << kLineBreak;
    for (int16_t i = 1; i <= map.boxCount; ++i)
        WriteBox(out, map.box(i));
    for (int16_t i = 1; i <= map.polyCount; ++i)
        WritePolygon(out, map.polygon(i));
    out << QLatin1String("</map>");
    return out.Take();
}
