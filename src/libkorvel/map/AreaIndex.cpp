#include "map/AreaIndex.h"

#include "map/AreaGeometry.h"
#include "map/ImageMap.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kCellSize = 64;
constexpr int kMostCells = 256;

quint64 cellKey(int column, int row)
{
    return (quint64(quint32(column)) << 32) | quint32(row);
}

int cellOf(double coordinate)
{
    // Coordinates stay within a few times the 16-bit range.
    return static_cast<int>(std::floor(std::clamp(coordinate, -1e7, 1e7) / kCellSize));
}

} // namespace

AreaIndex::AreaIndex(const ImageMap& map)
    : m_map(map)
{
    const_cast<ImageMap&>(m_map).addObserver(this);
    mapReset(map);
}

AreaIndex::~AreaIndex()
{
    const_cast<ImageMap&>(m_map).removeObserver(this);
}

QRect AreaIndex::cellsOf(const QRectF& bounds)
{
    return QRect(QPoint(cellOf(bounds.left()), cellOf(bounds.top())),
        QPoint(cellOf(bounds.right()), cellOf(bounds.bottom())));
}

void AreaIndex::add(const Area& area)
{
    if (!area.isEditable())
        return; // kept areas are neither drawn nor hit
    const QRect cells = cellsOf(areaBounds(area));
    if (qint64(cells.width()) * cells.height() > kMostCells) {
        m_large.push_back(area.id());
        m_placed.insert(area.id(), { cells, true });
        return;
    }
    for (int row = cells.top(); row <= cells.bottom(); ++row)
        for (int column = cells.left(); column <= cells.right(); ++column)
            m_cells[cellKey(column, row)].push_back(area.id());
    m_placed.insert(area.id(), { cells, false });
}

void AreaIndex::drop(AreaId id)
{
    const auto placed = m_placed.constFind(id);
    if (placed == m_placed.constEnd())
        return;
    const QRect cells = placed->cells;
    const bool large = placed->large;
    m_placed.erase(placed);
    if (large) {
        m_large.erase(std::remove(m_large.begin(), m_large.end(), id), m_large.end());
        return;
    }
    for (int row = cells.top(); row <= cells.bottom(); ++row) {
        for (int column = cells.left(); column <= cells.right(); ++column) {
            const auto cell = m_cells.find(cellKey(column, row));
            if (cell == m_cells.end())
                continue;
            cell->erase(std::remove(cell->begin(), cell->end(), id), cell->end());
            if (cell->empty())
                m_cells.erase(cell);
        }
    }
}

std::vector<int> AreaIndex::indexesNear(const QRectF& rect) const
{
    std::vector<int> found;
    const auto take = [&](AreaId id) {
        const int index = m_map.indexOf(id);
        if (index >= 0)
            found.push_back(index);
    };
    for (const AreaId id : m_large)
        take(id);
    const QRect cells = cellsOf(rect.normalized());
    if (qint64(cells.width()) * cells.height() > m_cells.size()) {
        for (const std::vector<AreaId>& cell : m_cells)
            for (const AreaId id : cell)
                take(id);
    } else {
        for (int row = cells.top(); row <= cells.bottom(); ++row)
            for (int column = cells.left(); column <= cells.right(); ++column) {
                const auto cell = m_cells.constFind(cellKey(column, row));
                if (cell != m_cells.constEnd())
                    for (const AreaId id : *cell)
                        take(id);
            }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

void AreaIndex::areaInserted(const ImageMap& map, int index)
{
    add(map.at(index));
}

void AreaIndex::areaRemoved(const ImageMap&, int, const Area& removed)
{
    drop(removed.id());
}

void AreaIndex::areaChanged(const ImageMap& map, int index, const Area& before)
{
    const Area& now = map.at(index);
    const auto placed = m_placed.constFind(before.id());
    if (placed != m_placed.constEnd() && now.isEditable() && !placed->large
        && cellsOf(areaBounds(now)) == placed->cells)
        return; // still in the same cells
    drop(before.id());
    add(now);
}

void AreaIndex::mapReset(const ImageMap& map)
{
    m_cells.clear();
    m_large.clear();
    m_placed.clear();
    for (const Area& area : map.areas())
        add(area);
}
