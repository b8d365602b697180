#include "html/AreaCoords.h"

#include <charconv>

namespace {

bool isSeparator(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r' || c == u',' || c == u';';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isAsciiKeyword(const QString& value, const char* keyword)
{
    const QLatin1String word(keyword);
    if (value.size() != word.size())
        return false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value[i].unicode();
        if ((c >= u'A' && c <= u'Z' ? c + 32 : c) != char16_t(word[i].unicode()))
            return false; // browsers fold ASCII letters only
    }
    return true;
}

qsizetype digitsEnd(QStringView text, qsizetype at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

// How much of an entry its number takes: "-", digits, "." and digits (digits on at least one
// side of the point), then an exponent only when it has digits. 0 when no number starts it.
qsizetype numberLength(QStringView entry)
{
    const qsizetype start = entry.startsWith(u'-') ? 1 : 0;
    qsizetype end = digitsEnd(entry, start);
    bool hasDigits = end > start;
    if (end < entry.size() && entry[end] == u'.') {
        const qsizetype fractionEnd = digitsEnd(entry, end + 1);
        hasDigits = hasDigits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!hasDigits)
        return 0;
    if (end < entry.size() && (entry[end] == u'e' || entry[end] == u'E')) {
        qsizetype exponent = end + 1;
        if (exponent < entry.size() && (entry[exponent] == u'-' || entry[exponent] == u'+'))
            ++exponent;
        if (digitsEnd(entry, exponent) > exponent)
            end = digitsEnd(entry, exponent);
    }
    return end;
}

void addEntry(PageCoords& coords, QStringView entry)
{
    const QByteArray number = entry.left(numberLength(entry)).toLatin1();
    double value = 0;
    const auto result = std::from_chars(number.constData(), number.constData() + number.size(), value);
    const bool tiny = number.contains("e-") || number.contains("E-");
    if (result.ec == std::errc::result_out_of_range && !tiny && coords.tooLargeEntry.isEmpty())
        coords.tooLargeEntry = entry.toString();
    if (entry.contains(u'%') && coords.percentEntry.isEmpty())
        coords.percentEntry = entry.toString();
    coords.numbers.push_back(result.ec == std::errc() && value != 0 ? value : 0.0); // "-0" is 0
}

} // namespace

PageShape pageShapeOf(const std::optional<QString>& keyword)
{
    if (!keyword)
        return PageShape::Rectangle;
    if (isAsciiKeyword(*keyword, "circle") || isAsciiKeyword(*keyword, "circ"))
        return PageShape::Circle;
    if (isAsciiKeyword(*keyword, "poly") || isAsciiKeyword(*keyword, "polygon"))
        return PageShape::Polygon;
    if (isAsciiKeyword(*keyword, "default"))
        return PageShape::Default;
    return PageShape::Rectangle;
}

PageCoords readCoords(QStringView text)
{
    PageCoords coords;
    qsizetype at = 0;
    const auto skip = [&](auto predicate) {
        while (at < text.size() && predicate(text[at]))
            ++at;
    };
    skip(isSeparator);
    while (at < text.size()) {
        skip([](QChar c) { return !isSeparator(c) && !isDigit(c) && c != u'.' && c != u'-'; });
        const qsizetype start = at;
        skip([](QChar c) { return !isSeparator(c); });
        addEntry(coords, text.mid(start, at - start));
        skip(isSeparator);
    }
    return coords;
}
