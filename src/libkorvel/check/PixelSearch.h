#pragma once

#include "check/BrowserMapView.h"

#include <optional>
#include <vector>

// How many point tests the pixel searches of one check of a map may make. A test of a polygon
// costs one per corner. Searches stop when it is spent, so that huge maps are checked in
// bounded time; what they could not settle is then not reported.
class SearchBudget {
public:
    explicit SearchBudget(qint64 tests)
        : m_left(tests)
    {
    }
    bool spend(qint64 tests);
    bool isSpent() const { return m_left <= 0; }
    qint64 left() const { return m_left; }

private:
    qint64 m_left;
};

// The default: a few tens of milliseconds at most.
constexpr qint64 kMapSearchBudget = qint64(1) << 23;

enum class PixelSearchResult {
    Uncovered, // the area holds a pixel of the range that none of the covering areas holds
    AllCovered, // every pixel the area holds in the range is held by a covering area
    NoneHeld, // the area holds no pixel of the range
    OutOfBudget,
};

// An area that may take pixels from another, and where its pixels may lie.
struct CoveringArea {
    const BrowserArea* area;
    PixelRange bounds;
};

// Looks at a few pixels spread over the range first, which usually finds an uncovered one
// at once; then at ever smaller blocks of it, passing over a block that one covering
// rectangle, circle or default area holds whole.
// coverersUsed, when given, has one entry per covering area and is set for each that held
// a pixel of the area.
PixelSearchResult findUncoveredPixel(const BrowserArea& area, const PixelRange& range,
    const std::vector<CoveringArea>& covering, SearchBudget& budget, std::vector<bool>* coverersUsed = nullptr);

// Whether the area holds a pixel of range; nullopt when the budget ran out first.
std::optional<bool> holdsPixelIn(const BrowserArea& area, const PixelRange& range, SearchBudget& budget);
