#include "preview/PixelGrid.h"

#include <algorithm>
#include <cmath>

namespace {

// Few enough cells that an empty grid costs little on the largest picture.
constexpr double kMostCells = 65536;
constexpr int kSmallestCell = 32;
// An area over more cells than this is looked at for every pixel instead.
constexpr int kLargeCells = 256;

} // namespace

void PixelGrid::build(const std::vector<QRect>& bounds, QSize picture)
{
    m_picture = picture;
    const double pixels = double(std::max(picture.width(), 0)) * std::max(picture.height(), 0);
    m_cellSize = std::max(kSmallestCell, int(std::ceil(std::sqrt(pixels / kMostCells))));
    m_columns = std::max(1, (picture.width() + m_cellSize - 1) / m_cellSize);
    m_rows = std::max(1, (picture.height() + m_cellSize - 1) / m_cellSize);
    m_cells.assign(size_t(m_columns) * size_t(m_rows), {});
    m_large.clear();
    for (int i = 0; i < int(bounds.size()); ++i) {
        const QRect& b = bounds[size_t(i)];
        if (b.isEmpty())
            continue;
        const int left = b.left() / m_cellSize, right = b.right() / m_cellSize;
        const int top = b.top() / m_cellSize, bottom = b.bottom() / m_cellSize;
        if ((right - left + 1) * (bottom - top + 1) > kLargeCells) {
            m_large.push_back(i);
            continue;
        }
        for (int row = top; row <= bottom; ++row)
            for (int column = left; column <= right; ++column)
                m_cells[size_t(row) * size_t(m_columns) + size_t(column)].push_back(i);
    }
}

int PixelGrid::cellIndex(QPoint pixel) const
{
    const int column = std::clamp(pixel.x() / m_cellSize, 0, m_columns - 1);
    const int row = std::clamp(pixel.y() / m_cellSize, 0, m_rows - 1);
    return row * m_columns + column;
}

QRect PixelGrid::cellAround(QPoint pixel) const
{
    const QPoint corner(pixel.x() / m_cellSize * m_cellSize, pixel.y() / m_cellSize * m_cellSize);
    return QRect(corner, QSize(m_cellSize, m_cellSize)).intersected(QRect(QPoint(), m_picture));
}

const std::vector<int>& PixelGrid::areasNear(QPoint pixel) const
{
    return m_cells[size_t(cellIndex(pixel))];
}
