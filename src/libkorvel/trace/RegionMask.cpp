#include "trace/RegionMask.h"

#include <QtAlgorithms>

#include <algorithm>

namespace {

constexpr int kWordBits = RegionMask::kWordBits;
// Rows kept in hand above and below the first run, so the first rows of a fill do not
// each move the whole mask.
constexpr int kFirstRowRoom = 64;

// The word holding pixel x >= 0.
int wordOf(int x)
{
    return x / kWordBits;
}

// The bits of pixels from..to (both in 0..63) of one word.
uint64_t bitsBetween(int from, int to)
{
    const uint64_t upTo = to == kWordBits - 1 ? ~uint64_t(0) : (uint64_t(1) << (to + 1)) - 1;
    return upTo & ~((uint64_t(1) << from) - 1);
}

} // namespace

RegionMask::RegionMask(const QRect& limits)
    : m_limits(limits)
{
}

int RegionMask::nextOutside(int y, int x, int right) const
{
    while (x <= right && contains(x, y)) {
        const uint64_t word = m_bits[size_t(y - m_top) * size_t(m_wordsPerRow) + size_t(wordOf(x) - m_firstWord)];
        const uint64_t outsideFromX = ~word >> (x % kWordBits);
        x += outsideFromX != 0 ? int(qCountTrailingZeroBits(outsideFromX)) : kWordBits - x % kWordBits;
    }
    return std::min(x, right + 1);
}

void RegionMask::addRun(int y, int left, int right)
{
    makeRoomFor(y, left, right);
    uint64_t* words = row(y);
    const int firstWord = wordOf(left);
    const int lastWord = wordOf(right);
    for (int word = firstWord; word <= lastWord; ++word) {
        const int from = word == firstWord ? left % kWordBits : 0;
        const int to = word == lastWord ? right % kWordBits : kWordBits - 1;
        words[word - m_firstWord] |= bitsBetween(from, to);
    }
    m_pixelCount += right - left + 1;
    if (m_bounds.isEmpty())
        m_bounds = QRect(QPoint(left, y), QPoint(right, y));
    m_bounds.setCoords(std::min(m_bounds.left(), left), std::min(m_bounds.top(), y), std::max(m_bounds.right(), right),
        std::max(m_bounds.bottom(), y));
}

void RegionMask::fitToBounds()
{
    if (m_bounds.isEmpty())
        relayout(0, -1, 0, -1);
    else
        relayout(wordOf(m_bounds.left()), wordOf(m_bounds.right()), m_bounds.top(), m_bounds.bottom());
}

// Grows by half again in each direction that needs it, within the limits, so a fill that
// keeps growing moves the mask only a few times.
void RegionMask::makeRoomFor(int y, int left, int right)
{
    const int lastWord = m_firstWord + m_wordsPerRow - 1;
    const int bottom = m_top + m_rows - 1;
    if (m_rows > 0 && y >= m_top && y <= bottom && wordOf(left) >= m_firstWord && wordOf(right) <= lastWord)
        return;
    const int wordRoom = std::max(1, m_wordsPerRow / 2);
    const int rowRoom = std::max(kFirstRowRoom, m_rows / 2);
    const int limitFirstWord = wordOf(std::max(0, m_limits.left()));
    const int limitLastWord = wordOf(std::max(0, m_limits.right()));
    int newFirstWord = m_rows > 0 ? m_firstWord : wordOf(left);
    int newLastWord = m_rows > 0 ? lastWord : wordOf(right);
    int newTop = m_rows > 0 ? m_top : y;
    int newBottom = m_rows > 0 ? bottom : y;
    if (wordOf(left) < newFirstWord || m_rows == 0)
        newFirstWord = std::max(limitFirstWord, wordOf(left) - wordRoom);
    if (wordOf(right) > newLastWord || m_rows == 0)
        newLastWord = std::min(limitLastWord, wordOf(right) + wordRoom);
    if (y < newTop || m_rows == 0)
        newTop = std::max(m_limits.top(), y - rowRoom);
    if (y > newBottom || m_rows == 0)
        newBottom = std::min(m_limits.bottom(), y + rowRoom);
    relayout(newFirstWord, newLastWord, newTop, newBottom);
}

void RegionMask::relayout(int firstWord, int lastWord, int top, int bottom)
{
    const int wordsPerRow = std::max(0, lastWord - firstWord + 1);
    const int rows = wordsPerRow > 0 ? std::max(0, bottom - top + 1) : 0;
    std::vector<uint64_t> bits(size_t(wordsPerRow) * size_t(rows));
    const int commonTop = std::max(top, m_top);
    const int commonBottom = std::min(bottom, m_top + m_rows - 1);
    const int commonFirst = std::max(firstWord, m_firstWord);
    const int commonLast = std::min(lastWord, m_firstWord + m_wordsPerRow - 1);
    for (int y = commonTop; y <= commonBottom && commonFirst <= commonLast; ++y) {
        const uint64_t* from = row(y) + (commonFirst - m_firstWord);
        std::copy(from, from + (commonLast - commonFirst + 1),
            bits.data() + size_t(y - top) * size_t(wordsPerRow) + size_t(commonFirst - firstWord));
    }
    m_bits = std::move(bits);
    m_firstWord = firstWord;
    m_wordsPerRow = wordsPerRow;
    m_top = top;
    m_rows = rows;
}
