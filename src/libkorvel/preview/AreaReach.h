#pragma once

#include "html/BrowserArea.h"

#include <QRect>

#include <cstdint>
#include <vector>

class PixelGrid;

// Whether a visitor can reach an area at all by pointing at the picture.
enum class AreaReach : uint8_t {
    Reached, // some pixel of the picture leads a browser to it
    Hidden, // it takes pixels, but earlier areas take every one of them first
    NoPixel, // it takes no pixel of the picture
    Unchecked, // the work allowed ran out before it was decided
};

// The map as findReach reads it: the areas as browsers read them, the pixels each may take
// (empty: none), a grid of those bounds without the first default area, and that area's index
// (-1: none).
struct ReachInput {
    const std::vector<BrowserArea>& areas;
    const std::vector<QRect>& bounds;
    const PixelGrid& grid;
    int firstDefault;
};

// About this many hit tests of single corners: a fraction of a second, whatever the map.
constexpr int64_t kReachBudget = 40'000'000;

// Which pixels lead to each area, by browserAreaAt's rules, looking at as few pixels as it
// can: a square of the grid that an earlier rectangle, circle or default area holds whole is
// passed over, and an area is reached at its first pixel that no earlier area takes.
std::vector<AreaReach> findReach(const ReachInput& in, int64_t budget = kReachBudget);
