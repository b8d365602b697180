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

void WriteBox(HtmlWriter& out, const BoxArea& box, const QString& url, const QString& alt)
{
    const QLatin1String comma(",");
    if (box.Shape == kCircleShape) {
        const float centreX = box.Left + box.Width / 2;
        const float centreY = box.Top + box.Height / 2;
        const float radius = box.Width / 2; // the height plays no part
        WriteAreaStart(out, url, alt);
        out << RoundedSingle(centreX) << comma << RoundedSingle(centreY) << comma << RoundedSingle(radius)
            << QLatin1String("\" shape=\"circle\">") << kLineBreak;
    } else if (box.Shape == kRectangleShape) {
        const float right = box.Left + box.Width;
        const float bottom = box.Top + box.Height;
        WriteAreaStart(out, url, alt);
        // Rectangles are not rounded: a fractional position is written with its fraction.
        out << box.Left << comma << box.Top << comma << right << comma << bottom << QLatin1String("\">")
            << kLineBreak; // rectangle is HTML's default shape
    }
    // Any other shape kind has no HTML form and is left out.
}

void WritePolygon(HtmlWriter& out, const PolygonArea& polygon, const QString& url, const QString& alt)
{
    WriteAreaStart(out, url, alt);
    for (int k = 1; k <= polygon.vertexCount; ++k) {
        const auto index = static_cast<size_t>(k);
        out << static_cast<long long>(polygon.vertexX[index]) << QLatin1String(",")
            << static_cast<long long>(polygon.vertexY[index]);
        if (k < polygon.vertexCount)
            out << QLatin1String(",");
    }
    out << QLatin1String("\" shape=\"poly\">") << kLineBreak;
}

qsizetype ExpectedSize(const ImagemapDocument& doc, const QString& mapName)
{
    qsizetype size = 32 + mapName.size();
    for (int i = 1; i <= doc.boxCount; ++i)
        size += 80 + doc.boxUrl[static_cast<size_t>(i)].size() + doc.boxAlt[static_cast<size_t>(i)].size();
    for (int i = 1; i <= doc.polyCount; ++i) {
        const auto index = static_cast<size_t>(i);
        size += 64 + 12 * doc.polygons[index].vertexCount + doc.polyUrl[index].size() + doc.polyAlt[index].size();
    }
    return size;
}

} // namespace

QString GenerateImagemapHtml(const ImagemapDocument& doc, const QString& mapName)
{
    HtmlWriter out(ExpectedSize(doc, mapName));
    out << QLatin1String("<map name=\"") << mapName << QLatin1String("\">") << kLineBreak;
    for (int i = 1; i <= doc.boxCount; ++i) {
        const auto index = static_cast<size_t>(i);
        WriteBox(out, doc.Shape[index], doc.boxUrl[index], doc.boxAlt[index]);
    }
    for (int i = 1; i <= doc.polyCount; ++i) {
        const auto index = static_cast<size_t>(i);
        WritePolygon(out, doc.polygons[index], doc.polyUrl[index], doc.polyAlt[index]);
    }
    out << QLatin1String("</map>");
    return out.Take();
}
