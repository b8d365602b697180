#include "document/Numbers.h"

#include <algorithm>
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

float SaturateCoordinate(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<float>(std::clamp<double>(value, kInt16Min, kInt16Max));
}

int64_t FloorDivide(int64_t dividend, int64_t divisor)
{
    const int64_t quotient = dividend / divisor;
    return (dividend % divisor != 0 && dividend < 0) ? quotient - 1 : quotient;
}

int16_t SaturatingAdd(int16_t a, int16_t b)
{
    return SaturateToInt16(static_cast<int>(a) + static_cast<int>(b));
}

int16_t SaturatingSubtract(int16_t a, int16_t b)
{
    return SaturateToInt16(static_cast<int>(a) - static_cast<int>(b));
}

size_t WriteSingle(float value, char (&buffer)[kSingleTextCapacity])
{
    if (value == 0.0f) { // also -0, which would otherwise print as "-0"
        buffer[0] = '0';
        return 1;
    }
    // Fixed notation never needs more than 1 sign + 39 integer digits + point + 45
    // fraction digits; infinity and NaN come out as "inf" and "nan".
    const auto result = std::to_chars(buffer, buffer + kSingleTextCapacity, value, std::chars_format::fixed);
    return static_cast<size_t>(result.ptr - buffer);
}

QString FormatSingle(float value)
{
    char buffer[kSingleTextCapacity];
    return QString::fromLatin1(buffer, static_cast<qsizetype>(WriteSingle(value, buffer)));
}
