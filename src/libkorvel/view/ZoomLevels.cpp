#include "view/ZoomLevels.h"

#include <algorithm>

const std::array<ZoomMapping, 16>& zoomLevels()
{
    static const std::array<ZoomMapping, 16> levels { ZoomMapping(1, 16), ZoomMapping(1, 12), ZoomMapping(1, 8),
        ZoomMapping(1, 6), ZoomMapping(1, 4), ZoomMapping(1, 3), ZoomMapping(1, 2), ZoomMapping(2, 3),
        ZoomMapping(1, 1), ZoomMapping(2, 1), ZoomMapping(3, 1), ZoomMapping(4, 1), ZoomMapping(6, 1),
        ZoomMapping(8, 1), ZoomMapping(12, 1), ZoomMapping(16, 1) };
    return levels;
}

ZoomMapping zoomStepped(const ZoomMapping& current, int steps)
{
    const auto& levels = zoomLevels();
    const int count = static_cast<int>(levels.size());
    steps = std::clamp(steps, -count, count);
    if (steps == 0)
        return current;
    const auto above = std::lower_bound(levels.begin(), levels.end(), current); // first level >= current
    const int index = static_cast<int>(above - levels.begin());
    const bool onALevel = above != levels.end() && *above == current;
    // Off the levels, index already names the next level up, and index - 1 the next one down.
    const int target = steps > 0 && !onALevel ? index + steps - 1 : index + steps;
    return levels[static_cast<size_t>(std::clamp(target, 0, count - 1))];
}

ZoomMapping fitZoom(const QSize& room, const QSize& picture)
{
    if (picture.isEmpty())
        return ZoomMapping();
    const auto& levels = zoomLevels();
    for (auto level = levels.rbegin(); level != levels.rend(); ++level) {
        const QSize shown = level->screenSize(picture);
        if (shown.width() <= room.width() && shown.height() <= room.height())
            return *level;
    }
    return levels.front();
}
