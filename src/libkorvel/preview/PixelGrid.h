#pragma once

#include <QRect>
#include <QSize>

#include <vector>

// Which areas may take a pixel of the picture: square cells over the picture, each listing
// the areas whose pixel bounds meet it in map order, and apart the areas over so many cells
// that listing them in each would cost more than looking at them for every pixel.
class PixelGrid {
public:
    // bounds: each area's pixels, within the picture; empty for an area that takes none.
    void build(const std::vector<QRect>& bounds, QSize picture);

    // The square of pixels the cell holding pixel lies in, within the picture.
    QRect cellAround(QPoint pixel) const;
    // The areas of the cell holding pixel, and the large ones; pixel lies on the picture.
    const std::vector<int>& areasNear(QPoint pixel) const;
    const std::vector<int>& largeAreas() const { return m_large; }

private:
    int cellIndex(QPoint pixel) const;

    int m_cellSize = 64;
    int m_columns = 0;
    int m_rows = 0;
    QSize m_picture;
    std::vector<std::vector<int>> m_cells;
    std::vector<int> m_large;
};
