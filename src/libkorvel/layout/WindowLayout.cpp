#include "layout/WindowLayout.h"

#include "document/Numbers.h"

#include <algorithm>
#include <climits>

namespace {

// Sums of window sizes are done in 64 bits and brought back here, so that no input,
// however odd, can overflow.
int ClampToInt(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

struct AvailableSpace {
    int64_t width = 0;
    int64_t height = 0;
    bool hBarNeeded = false;
    bool vBarNeeded = false;
};

// Decides which bars the image needs and what room that leaves for the viewport. The
// vertical need is decided once; only the horizontal one gets a second look, because a
// vertical bar narrows the room but a late horizontal bar is not allowed to add one.
AvailableSpace FindAvailableSpace(const LayoutInput& in)
{
    const int64_t neededWidth = int64_t { in.outerWidth } - in.outerScaleWidth + in.innerWidth;
    const int64_t neededHeight = int64_t { in.outerHeight } - in.outerScaleHeight + in.innerHeight;

    AvailableSpace space;
    space.width = in.formScaleWidth;
    space.height = int64_t { in.formScaleHeight } - in.outerTop - in.statusBarHeight;

    space.hBarNeeded = neededWidth > space.width;
    if (space.hBarNeeded)
        space.height -= in.barThickness;

    space.vBarNeeded = neededHeight > space.height;
    if (space.vBarNeeded) {
        space.width -= in.barThickness;
        if (!space.hBarNeeded) {
            space.hBarNeeded = neededWidth > space.width;
            if (space.hBarNeeded)
                space.height -= in.barThickness;
        }
    }

    space.width = std::max<int64_t>(space.width, 0);
    space.height = std::max<int64_t>(space.height, 0);
    return space;
}

ScrollRange RangeAlong(int viewportLength, int imageLength)
{
    ScrollRange range;
    range.Min = 0;
    range.Max = ClampToInt(int64_t { viewportLength } - imageLength);
    // Below 5 pixels a fifth would round to 0 and the arrows would stop moving.
    if (viewportLength < 5) {
        range.LargeChange = 1;
        range.SmallChange = 1;
    } else {
        range.LargeChange = viewportLength;
        range.SmallChange = static_cast<int>(RoundHalfEven(viewportLength / 5.0));
    }
    return range;
}

} // namespace

LayoutResult ComputeFormLayout(const LayoutInput& in)
{
    LayoutResult result;
    if (in.minimized)
        return result;
    result.applies = true;

    const AvailableSpace space = FindAvailableSpace(in);
    const int width = ClampToInt(space.width);
    const int height = ClampToInt(space.height);
    result.outerPict = { in.outerLeft, in.outerTop, width, height };

    const int64_t borderWidth = int64_t { in.outerWidth } - in.outerScaleWidth;
    const int64_t borderHeight = int64_t { in.outerHeight } - in.outerScaleHeight;
    result.viewportScaleWidth = ClampToInt(std::max<int64_t>(width - borderWidth, 0));
    result.viewportScaleHeight = ClampToInt(std::max<int64_t>(height - borderHeight, 0));

    // A viewport squeezed to a line or nothing gets no bars, whatever the image needs.
    const bool roomForBars = width > 1 && height > 1;
    result.hBarVisible = roomForBars && space.hBarNeeded;
    if (result.hBarVisible)
        result.hBar = { 0, ClampToInt(int64_t { in.outerTop } + height), width, in.barThickness };
    result.vBarVisible = roomForBars && space.vBarNeeded;
    if (result.vBarVisible)
        result.vBar = { width, in.outerTop, in.barThickness, height };

    result.updateScrollRanges = result.hBarVisible || result.vBarVisible;
    return result;
}

ScrollRanges ComputeScrollRanges(int viewportScaleWidth, int viewportScaleHeight, int innerWidth, int innerHeight)
{
    return { RangeAlong(viewportScaleWidth, innerWidth), RangeAlong(viewportScaleHeight, innerHeight) };
}
