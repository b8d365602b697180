#pragma once

#include "check/BrowserMapView.h"

#include <vector>

// Which of many pixel ranges meet a given one, without comparing it with all of them: a
// grid of cells over the ranges, each cell listing the ranges that meet it.
class BoundsGrid {
public:
    explicit BoundsGrid(const std::vector<PixelRange>& ranges);

    // The indexes of the ranges that meet `range`, ascending, each once.
    std::vector<int> meeting(const PixelRange& range) const;

private:
    struct Cells {
        qint64 left, top, right, bottom;
        qint64 count() const { return (right - left + 1) * (bottom - top + 1); }
    };
    Cells cellsOf(const PixelRange& range) const;

    const std::vector<PixelRange>& m_ranges;
    PixelRange m_covered; // the union of the ranges' boxes
    qint64 m_cellWidth = 1;
    qint64 m_cellHeight = 1;
    qint64 m_columns = 1;
    qint64 m_rows = 1;
    std::vector<std::vector<int>> m_cells; // row by row
    std::vector<int> m_large; // ranges over so many cells that listing them in each costs more
    mutable std::vector<unsigned> m_seen; // per range: the query that last listed it
    mutable unsigned m_query = 0;
};
