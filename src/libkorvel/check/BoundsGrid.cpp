#include "check/BoundsGrid.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 kMostCellsPerRange = 16;

PixelRange unionOf(const std::vector<PixelRange>& ranges)
{
    PixelRange all;
    for (const PixelRange& range : ranges) {
        if (range.isEmpty())
            continue;
        all = all.isEmpty() ? range
                            : PixelRange { std::min(all.left, range.left), std::min(all.top, range.top),
                                  std::max(all.right, range.right), std::max(all.bottom, range.bottom) };
    }
    return all;
}

} // namespace

BoundsGrid::BoundsGrid(const std::vector<PixelRange>& ranges)
    : m_ranges(ranges)
    , m_covered(unionOf(ranges))
    , m_seen(ranges.size(), 0)
{
    if (m_covered.isEmpty())
        return;
    // About as many cells as ranges.
    const qint64 side = std::clamp<qint64>(qint64(std::ceil(std::sqrt(double(ranges.size())))), 1, 1024);
    m_cellWidth = std::max<qint64>(1, (m_covered.width() + side - 1) / side);
    m_cellHeight = std::max<qint64>(1, (m_covered.height() + side - 1) / side);
    m_columns = (m_covered.width() + m_cellWidth - 1) / m_cellWidth;
    m_rows = (m_covered.height() + m_cellHeight - 1) / m_cellHeight;
    m_cells.resize(size_t(m_columns * m_rows));
    for (size_t i = 0; i < ranges.size(); ++i) {
        if (ranges[i].isEmpty())
            continue;
        const Cells cells = cellsOf(ranges[i]);
        if (cells.count() > kMostCellsPerRange) {
            m_large.push_back(int(i));
            continue;
        }
        for (qint64 row = cells.top; row <= cells.bottom; ++row)
            for (qint64 column = cells.left; column <= cells.right; ++column)
                m_cells[size_t(row * m_columns + column)].push_back(int(i));
    }
}

BoundsGrid::Cells BoundsGrid::cellsOf(const PixelRange& range) const
{
    const PixelRange r = range.intersected(m_covered);
    return { (r.left - m_covered.left) / m_cellWidth, (r.top - m_covered.top) / m_cellHeight,
        (r.right - m_covered.left) / m_cellWidth, (r.bottom - m_covered.top) / m_cellHeight };
}

std::vector<int> BoundsGrid::meeting(const PixelRange& range) const
{
    std::vector<int> found;
    if (!range.intersects(m_covered))
        return found;
    if (++m_query == 0) { // wrapped around: forget every mark
        std::fill(m_seen.begin(), m_seen.end(), 0);
        m_query = 1;
    }
    const auto consider = [&](int index) {
        if (m_seen[size_t(index)] != m_query && m_ranges[size_t(index)].intersects(range))
            found.push_back(index);
        m_seen[size_t(index)] = m_query;
    };
    const Cells cells = cellsOf(range);
    if (cells.count() >= qint64(m_ranges.size())) {
        for (size_t i = 0; i < m_ranges.size(); ++i)
            consider(int(i));
        return found;
    }
    for (qint64 row = cells.top; row <= cells.bottom; ++row)
        for (qint64 column = cells.left; column <= cells.right; ++column)
            for (int index : m_cells[size_t(row * m_columns + column)])
                consider(index);
    for (int index : m_large)
        consider(index);
    std::sort(found.begin(), found.end());
    return found;
}
