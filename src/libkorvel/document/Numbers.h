#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// The map stores counts, indices and polygon vertices as 16-bit integers and box
// geometry as single-precision floats; these helpers keep conversions between the
// two exact and never let a 16-bit value wrap around.

constexpr int16_t kInt16Max = INT16_MAX;
constexpr int16_t kInt16Min = INT16_MIN;

// Nearest whole number, an exact half going to the even neighbour (22.5 -> 22, 23.5 -> 24).
double RoundHalfEven(double value);

// Clamps to the 16-bit range; NaN becomes 0.
int16_t SaturateToInt16(double value);

// A float stored into a 16-bit field: rounded half to even, then saturated.
int16_t RoundToInt16(double value);

// A box coordinate kept within the range that polygon vertices and the pointer have, so
// that no area can be pushed where the others cannot follow; NaN becomes 0.
float SaturateCoordinate(double value);

// Integer division rounding towards minus infinity; divisor > 0.
int64_t FloorDivide(int64_t dividend, int64_t divisor);

// 16-bit sums and differences that stop at the ends of the range instead of wrapping.
int16_t SaturatingAdd(int16_t a, int16_t b);
int16_t SaturatingSubtract(int16_t a, int16_t b);

// The shortest decimal text that reads back as the same float, with "." as the
// separator in every locale and no exponent: 10, -3.5, 0.1, 250.25.
QString FormatSingle(float value);

// The same text written into a caller's buffer, for hot loops; returns its length.
constexpr size_t kSingleTextCapacity = 96;
size_t WriteSingle(float value, char (&buffer)[kSingleTextCapacity]);
