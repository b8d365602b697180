#pragma once

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <vector>

// A set of pixels, one bit each, kept over a rectangle that grows as rows of pixels are
// added: it stays near the bounding box of what it holds instead of covering the picture.
class RegionMask {
public:
    // Pixels may be added only within the limits (the picture's rectangle).
    explicit RegionMask(const QRect& limits = {});

    bool contains(int x, int y) const
    {
        if (x < 0 || y < m_top || y >= m_top + m_rows)
            return false;
        const int word = x / kWordBits - m_firstWord;
        if (word < 0 || word >= m_wordsPerRow)
            return false;
        return (m_bits[size_t(y - m_top) * size_t(m_wordsPerRow) + size_t(word)] >> (x % kWordBits)) & 1;
    }
    bool contains(QPoint pixel) const { return contains(pixel.x(), pixel.y()); }
    // The first pixel from x on along row y that is not in the set; past `right` when all
    // up to it are. x >= 0.
    int nextOutside(int y, int x, int right) const;
    // Adds the pixels left to right (both included) of row y, all within the limits.
    void addRun(int y, int left, int right);

    bool isEmpty() const { return m_pixelCount == 0; }
    qint64 pixelCount() const { return m_pixelCount; }
    // The smallest rectangle holding every pixel added.
    QRect bounds() const { return m_bounds; }
    // Lets go of the room kept for growing.
    void fitToBounds();

    // Pixels a word of the bits holds.
    static constexpr int kWordBits = 64;

private:
    void makeRoomFor(int y, int left, int right);
    void relayout(int firstWord, int lastWord, int top, int bottom);
    uint64_t* row(int y) { return m_bits.data() + size_t(y - m_top) * size_t(m_wordsPerRow); }

    QRect m_limits;
    QRect m_bounds;
    qint64 m_pixelCount = 0;
    // The bits cover rows m_top.. and the 64-pixel words m_firstWord.. of each row, so a
    // word's bits line up with the same pixels whatever the layout.
    int m_firstWord = 0;
    int m_wordsPerRow = 0;
    int m_top = 0;
    int m_rows = 0;
    std::vector<uint64_t> m_bits;
};
