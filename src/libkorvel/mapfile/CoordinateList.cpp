#include "mapfile/CoordinateList.h"

#include <charconv>
#include <optional>
#include <string>
#include <system_error>

namespace {

bool IsAsciiWhitespace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r';
}

bool IsDelimiter(QChar c)
{
    return IsAsciiWhitespace(c) || c == u',' || c == u';';
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The characters a number may start with; anything else before one is skipped.
bool MayStartNumber(QChar c)
{
    return IsDigit(c) || c == u'.' || c == u'-';
}

enum class NumberStatus { Number, NotANumber, TooLarge };

struct ParsedNumber {
    NumberStatus status = NumberStatus::NotANumber;
    double value = 0;
};

// Reads one number the way HTML reads a floating-point value: an optional sign, digits, an
// optional fraction and exponent, stopping at the first character that does not fit. The
// digits are gathered into plain decimal text so that the value is rounded only once.
class FloatingPointReader {
public:
    explicit FloatingPointReader(QStringView text)
        : m_text(text)
    {
    }

    ParsedNumber Read()
    {
        if (!ReadSign() || !ReadMantissa())
            return {};
        ReadExponent();
        return Convert();
    }

private:
    bool AtEnd() const { return m_pos >= m_text.size(); }
    QChar Current() const { return m_text[m_pos]; }

    void CollectDigits(std::string& into)
    {
        for (; !AtEnd() && IsDigit(Current()); ++m_pos)
            into += char(Current().unicode());
    }

    bool ReadSign()
    {
        while (!AtEnd() && IsAsciiWhitespace(Current()))
            ++m_pos;
        if (AtEnd())
            return false;
        if (Current() == u'-')
            m_decimal = "-";
        if (Current() == u'-' || Current() == u'+')
            ++m_pos;
        return !AtEnd();
    }

    bool ReadMantissa()
    {
        const bool bareFraction = Current() == u'.' && m_pos + 1 < m_text.size() && IsDigit(m_text[m_pos + 1]);
        if (bareFraction)
            m_decimal += '0';
        else if (!IsDigit(Current()))
            return false;
        CollectDigits(m_decimal);
        if (!AtEnd() && Current() == u'.') {
            ++m_pos;
            if (!AtEnd() && IsDigit(Current())) {
                m_decimal += '.';
                CollectDigits(m_decimal);
            }
        }
        return true;
    }

    // "e" with no digits after it, or after its sign, is not part of the number.
    void ReadExponent()
    {
        if (AtEnd() || (Current() != u'e' && Current() != u'E'))
            return;
        ++m_pos;
        std::string exponent = "e";
        if (!AtEnd() && (Current() == u'-' || Current() == u'+')) {
            exponent += char(Current().unicode());
            ++m_pos;
        }
        const size_t signLength = exponent.size();
        CollectDigits(exponent);
        if (exponent.size() > signLength)
            m_decimal += exponent;
    }

    ParsedNumber Convert() const
    {
        double value = 0;
        const char* end = m_decimal.data() + m_decimal.size();
        const auto result = std::from_chars(m_decimal.data(), end, value);
        if (result.ec == std::errc::result_out_of_range)
            return LargeOrTiny();
        return { NumberStatus::Number, value == 0 ? 0.0 : value }; // -0 reads as 0
    }

    // Out of range: past the largest double, or, with a negative exponent, nearer to 0 than
    // the smallest one.
    ParsedNumber LargeOrTiny() const
    {
        const size_t exponentAt = m_decimal.find('e');
        const bool negativeExponent = exponentAt != std::string::npos && m_decimal[exponentAt + 1] == '-';
        if (negativeExponent)
            return { NumberStatus::Number, 0.0 };
        return { NumberStatus::TooLarge, 0.0 };
    }

    QStringView m_text;
    qsizetype m_pos = 0;
    std::string m_decimal;
};

template <typename Predicate> qsizetype SkipWhile(QStringView text, qsizetype pos, Predicate skip)
{
    while (pos < text.size() && skip(text[pos]))
        ++pos;
    return pos;
}

bool IsNotDelimiter(QChar c)
{
    return !IsDelimiter(c);
}

// Characters before a number that can neither start one nor end the entry.
bool IsLeadingGarbage(QChar c)
{
    return !IsDelimiter(c) && !MayStartNumber(c);
}

void AddEntry(CoordinateList& list, QStringView entry)
{
    const ParsedNumber number = FloatingPointReader(entry).Read();
    if (number.status == NumberStatus::TooLarge && list.tooLargeEntry.isEmpty())
        list.tooLargeEntry = entry.toString();
    if (entry.contains(u'%') && list.percentEntry.isEmpty())
        list.percentEntry = entry.toString();
    list.numbers.push_back(number.status == NumberStatus::Number ? number.value : 0.0);
}

} // namespace

CoordinateList ParseCoordinateList(QStringView text)
{
    CoordinateList list;
    qsizetype pos = SkipWhile(text, 0, IsDelimiter);
    while (pos < text.size()) {
        const qsizetype start = SkipWhile(text, pos, IsLeadingGarbage);
        pos = SkipWhile(text, start, IsNotDelimiter);
        AddEntry(list, text.mid(start, pos - start));
        pos = SkipWhile(text, pos, IsDelimiter);
    }
    return list;
}
