#include "map/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

double roundHalfEven(double value)
{
    // nearbyint follows the rounding mode, which is round-to-nearest-even unless someone
    // changed it; nothing in Korvel does.
    return std::nearbyint(value);
}

int16_t saturateToInt16(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int16_t>(std::clamp<double>(value, kInt16Min, kInt16Max));
}

int16_t roundToInt16(double value)
{
    return saturateToInt16(roundHalfEven(value));
}

float saturateCoordinate(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<float>(std::clamp<double>(value, kInt16Min, kInt16Max));
}

int64_t floorDivide(int64_t dividend, int64_t divisor)
{
    const int64_t quotient = dividend / divisor;
    return (dividend % divisor != 0 && dividend < 0) ? quotient - 1 : quotient;
}

size_t writeSingle(float value, char (&buffer)[kSingleTextCapacity])
{
    if (value == 0.0f) { // also -0, which would otherwise print as "-0"
        buffer[0] = '0';
        return 1;
    }
    // Fixed notation needs at most a sign, 39 integer digits, a point and 45 fraction digits.
    const auto result = std::to_chars(buffer, buffer + kSingleTextCapacity, value, std::chars_format::fixed);
    return static_cast<size_t>(result.ptr - buffer);
}

QString formatSingle(float value)
{
    char buffer[kSingleTextCapacity];
    return QString::fromLatin1(buffer, static_cast<qsizetype>(writeSingle(value, buffer)));
}
