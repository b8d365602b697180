#include "view/ScrollGeometry.h"

#include "map/Numbers.h"

#include <algorithm>
#include <climits>
#include <cstdint>

ScrollSteps scrollStepsAlong(int viewportExtent, int canvasExtent, bool barShown)
{
    ScrollSteps steps;
    if (barShown)
        steps.maximum = static_cast<int>(std::clamp<int64_t>(int64_t { canvasExtent } - viewportExtent, 0, INT_MAX));
    // Below 5 pixels a fifth would round to 0 and the arrows would stop moving.
    if (viewportExtent >= 5) {
        steps.pageStep = viewportExtent;
        steps.singleStep = static_cast<int>(roundHalfEven(viewportExtent / 5.0));
    }
    return steps;
}

int scrollKeepingPoint(const ZoomMapping& before, const ZoomMapping& after, int scroll, int anchor)
{
    // The anchor pixel's centre in picture units, (s + 1/2) / zoom, taken to the new zoom: the
    // screen pixel that now holds that point goes under the anchor.
    const int64_t screenPixel = int64_t { anchor } + scroll;
    const int64_t numerator = (2 * screenPixel + 1) * before.denominator() * after.numerator();
    const int64_t denominator = 2 * int64_t { before.numerator() } * after.denominator();
    const int64_t moved = floorDivide(numerator, denominator);
    return static_cast<int>(std::clamp<int64_t>(moved - anchor, INT_MIN, INT_MAX));
}
