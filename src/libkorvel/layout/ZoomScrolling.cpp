#include "layout/ZoomScrolling.h"

#include "document/Numbers.h"

#include <algorithm>
#include <climits>
#include <cstdint>

int OffsetKeepingPoint(const ZoomMapping& before, const ZoomMapping& after, int offset, int anchor)
{
    // The anchor pixel's centre in picture units, (s + 1/2) / zoom, taken to the new zoom: the
    // screen pixel that now holds that point goes under the anchor.
    const int64_t screenPixel = int64_t { anchor } - offset;
    const int64_t numerator = (2 * screenPixel + 1) * before.Denominator() * after.Numerator();
    const int64_t denominator = 2 * int64_t { before.Numerator() } * after.Denominator();
    const int64_t moved = FloorDivide(numerator, denominator);
    return static_cast<int>(std::clamp<int64_t>(int64_t { anchor } - moved, INT_MIN, INT_MAX));
}
