#include "document/Numbers.h"

#include <charconv>
#include <cmath>

double RoundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which is round-to-nearest-even
    // unless someone changed it; nothing in Korvel does.
    return std::nearbyint(value);
}

int16_t SaturateToInt16(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= kInt16Max)
        return kInt16Max;
    if (value <= kInt16Min)
        return kInt16Min;
    return static_cast<int16_t>(value);
}

int16_t RoundToInt16(double value)
{
    return SaturateToInt16(RoundHalfEven(value));
}

int16_t SaturatingAdd(int16_t a, int16_t b)
{
    return SaturateToInt16(static_cast<int>(a) + static_cast<int>(b));
}

int16_t SaturatingSubtract(int16_t a, int16_t b)
{
    return SaturateToInt16(static_cast<int>(a) - static_cast<int>(b));
}

QString FormatSingle(float value)
{
    if (value == 0.0f)
        return QStringLiteral("0"); // also for -0, which would otherwise print as "-0"
    if (!std::isfinite(value))
        return std::isnan(value) ? QStringLiteral("NaN") : (value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity"));
    // The longest fixed-notation float is 1 sign + 39 integer digits + point + 45 fraction digits.
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
}
