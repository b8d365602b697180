#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

struct BrowserLayout;

// Whether a visitor can reach an area at all by pointing at the picture.
enum class AreaReach : uint8_t {
    Reached, // some pixel of the picture leads a browser to it
    Hidden, // it takes pixels, but earlier areas take every one of them first
    NoPixel, // it takes no pixel of the picture
    Unchecked, // the work allowed ran out before it was decided
};

// About this many hit tests of single corners: a few seconds at most, whatever the map.
constexpr int64_t kReachBudget = 30'000'000;

// Which pixels lead to each area, by browserAreaAt's rules, looking at as few pixels as it
// can: a square of the grid that an earlier rectangle, circle or default area holds whole is
// passed over, and an area is reached at the first pixel found that it holds and no earlier
// area takes. Every area gets a sparse look first; the areas it leaves undecided are then
// looked at pixel by pixel, the smallest first.
// It may run on a worker; a stop set elsewhere ends it, the areas left Unchecked.
std::vector<AreaReach> findReach(
    const BrowserLayout& in, int64_t budget = kReachBudget, const std::atomic<bool>* stop = nullptr);
