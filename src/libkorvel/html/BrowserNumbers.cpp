#include "html/BrowserNumbers.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace {

// ASCII whitespace as HTML knows it, commas and semicolons. Compared one by one: a lookup
// in a string of them took most of the time of checking a site's maps.
bool isSeparator(QChar c)
{
    switch (c.unicode()) {
    case u' ':
    case u'\t':
    case u'\n':
    case u'\f':
    case u'\r':
    case u',':
    case u';':
        return true;
    default:
        return false;
    }
}

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// Characters passed over before an entry's number: none of them can begin one.
bool isSkippedBeforeNumber(QChar c)
{
    return !isSeparator(c) && !isAsciiDigit(c) && c != u'.' && c != u'-';
}

qsizetype skipDigits(QStringView text, qsizetype at)
{
    while (at < text.size() && isAsciiDigit(text[at]))
        ++at;
    return at;
}

// How many characters at the start of an entry form a decimal number: an optional "-",
// digits with an optional fraction (at least one digit in all), then an exponent only when
// it has digits. Zero when the entry does not start with a number.
qsizetype decimalPrefixLength(QStringView entry)
{
    qsizetype at = entry.startsWith(u'-') ? 1 : 0;
    const qsizetype integerEnd = skipDigits(entry, at);
    qsizetype end = integerEnd;
    bool hasDigits = integerEnd > at;
    if (end < entry.size() && entry[end] == u'.') {
        const qsizetype fractionEnd = skipDigits(entry, end + 1);
        hasDigits = hasDigits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!hasDigits)
        return 0;
    if (end < entry.size() && (entry[end] == u'e' || entry[end] == u'E')) {
        qsizetype exponent = end + 1;
        if (exponent < entry.size() && (entry[exponent] == u'+' || entry[exponent] == u'-'))
            ++exponent;
        const qsizetype exponentEnd = skipDigits(entry, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    return end;
}

double readEntry(QStringView entry)
{
    const qsizetype length = decimalPrefixLength(entry);
    if (length == 0)
        return 0;
    // Short enough to stay in the string itself: no allocation.
    std::string text(size_t(length), '\0');
    for (qsizetype i = 0; i < length; ++i)
        text[size_t(i)] = char(entry[i].unicode()); // the prefix is ASCII
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    // Too large is 0, as browsers have it; too small is 0 anyway.
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0;
    return value == 0 ? 0.0 : value;
}

} // namespace

std::vector<double> parseBrowserNumbers(const QString& coords)
{
    const QStringView text(coords);
    std::vector<double> numbers;
    qsizetype at = 0;
    const auto skipWhile = [&](auto predicate) {
        while (at < text.size() && predicate(text[at]))
            ++at;
    };
    skipWhile(isSeparator);
    while (at < text.size()) {
        skipWhile(isSkippedBeforeNumber);
        const qsizetype entryStart = at;
        skipWhile([](QChar c) { return !isSeparator(c); });
        numbers.push_back(readEntry(text.mid(entryStart, at - entryStart)));
        skipWhile(isSeparator);
    }
    return numbers;
}
