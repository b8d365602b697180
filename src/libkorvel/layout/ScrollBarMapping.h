#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>

// Our bars may run from Min down to a smaller Max, which Qt's bars cannot. So the Qt bar
// always runs from 0 at its left or top end to the span at its right or bottom end, and
// position p stands for Min + p towards Max. These helpers translate between the two.

inline int ScrollSpan(int16_t min, int16_t max)
{
    return std::abs(int { max } - int { min });
}

// +1 when values grow from Min to Max, -1 when they shrink.
inline int ScrollDirection(int16_t min, int16_t max)
{
    return max < min ? -1 : 1;
}

inline int16_t ClampScrollValue(int16_t min, int16_t max, int16_t value)
{
    return std::clamp(value, std::min(min, max), std::max(min, max));
}

inline int ScrollPositionForValue(int16_t min, int16_t max, int16_t value)
{
    return ScrollDirection(min, max) * (int { ClampScrollValue(min, max, value) } - int { min });
}

inline int16_t ScrollValueForPosition(int16_t min, int16_t max, int position)
{
    const int clamped = std::clamp(position, 0, ScrollSpan(min, max));
    return static_cast<int16_t>(int { min } + ScrollDirection(min, max) * clamped);
}
