#include "trace/OuterOutline.h"

#include <array>

namespace {

// The eight neighbours, clockwise on screen from east.
constexpr std::array<QPoint, 8> kSteps { QPoint(1, 0), QPoint(1, 1), QPoint(0, 1), QPoint(-1, 1), QPoint(-1, 0),
    QPoint(-1, -1), QPoint(0, -1), QPoint(1, -1) };
constexpr int kWest = 4;

// The first neighbour of the pixel in the region, looking clockwise from the one after
// `outside` (a direction towards a pixel known to be outside); -1 when none is.
int nextStep(const RegionMask& region, QPoint pixel, int outside)
{
    for (int turn = 1; turn < 8; ++turn) {
        const int direction = (outside + turn) % 8;
        if (region.contains(pixel + kSteps[size_t(direction)]))
            return direction;
    }
    return -1;
}

// After a step, the direction from the new pixel to the last one looked at before it,
// which was outside.
int outsideAfter(int step)
{
    return (step + (step % 2 == 0 ? 6 : 5)) % 8;
}

// The topmost row's leftmost pixel: nothing above it or to its left is in the region.
QPoint firstPixel(const RegionMask& region)
{
    const QRect bounds = region.bounds();
    int x = bounds.left();
    while (!region.contains(x, bounds.top()))
        ++x;
    return QPoint(x, bounds.top());
}

} // namespace

// Walks round the outside keeping it on the left: from each pixel, the next is the first
// neighbour in the region clockwise from the outside one looked at last. The walk is back
// where it started when the first pixel would again be left by its first step.
std::vector<QPoint> outerOutline(const RegionMask& region)
{
    if (region.isEmpty())
        return {};
    const QPoint start = firstPixel(region);
    std::vector<QPoint> outline { start };
    const int firstStep = nextStep(region, start, kWest);
    if (firstStep < 0)
        return outline;
    // Each pixel is left at most once in each of eight directions in one round.
    const qint64 stepLimit = 8 * region.pixelCount();
    QPoint pixel = start;
    int step = firstStep;
    for (qint64 steps = 0; steps < stepLimit; ++steps) {
        pixel += kSteps[size_t(step)];
        step = nextStep(region, pixel, outsideAfter(step));
        if (pixel == start && step == firstStep)
            break;
        outline.push_back(pixel);
    }
    return outline;
}
