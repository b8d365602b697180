#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

// Our bars may run from Min down to a smaller Max, which Qt's bars cannot. So the Qt bar
// always runs from 0 at its left or top end to the span at its right or bottom end, and
// position p stands for Min + p towards Max. These helpers translate between the two; the
// arithmetic is done in 64 bits, so no range, however wide, overflows.

inline int ScrollSpan(int min, int max)
{
    return static_cast<int>(std::min<int64_t>(std::abs(int64_t { max } - min), INT_MAX));
}

// +1 when values grow from Min to Max, -1 when they shrink.
inline int ScrollDirection(int min, int max)
{
    return max < min ? -1 : 1;
}

inline int ClampScrollValue(int min, int max, int value)
{
    return std::clamp(value, std::min(min, max), std::max(min, max));
}

inline int ScrollPositionForValue(int min, int max, int value)
{
    const int64_t position = ScrollDirection(min, max) * (int64_t { ClampScrollValue(min, max, value) } - min);
    return static_cast<int>(std::min<int64_t>(position, INT_MAX));
}

inline int ScrollValueForPosition(int min, int max, int position)
{
    const int clamped = std::clamp(position, 0, ScrollSpan(min, max));
    return static_cast<int>(int64_t { min } + int64_t { ScrollDirection(min, max) } * clamped);
}
