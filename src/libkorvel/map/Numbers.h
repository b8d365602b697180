#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// Polygon vertices, counts and the pointer are 16-bit integers and box geometry is
// single-precision; these helpers keep conversions between them exact and never let a
// 16-bit value wrap around.

constexpr int16_t kInt16Max = INT16_MAX;
constexpr int16_t kInt16Min = INT16_MIN;

// Nearest whole number, an exact half going to the even neighbour (22.5 -> 22, 23.5 -> 24).
double roundHalfEven(double value);

// Clamps to the 16-bit range; NaN becomes 0.
int16_t saturateToInt16(double value);

// Rounded half to even, then saturated.
int16_t roundToInt16(double value);

// A box coordinate kept within the range that vertices and the pointer have, so that no
// area can be pushed where the others cannot follow; NaN becomes 0.
float saturateCoordinate(double value);

// Integer division rounding towards minus infinity; divisor > 0.
int64_t floorDivide(int64_t dividend, int64_t divisor);

// The shortest decimal text that reads back as the same float, with "." in every locale
// and no exponent: 10, -3.5, 0.1, 250.25.
QString formatSingle(float value);

// The same text written into a caller's buffer, for hot loops; returns its length.
constexpr size_t kSingleTextCapacity = 96;
size_t writeSingle(float value, char (&buffer)[kSingleTextCapacity]);
