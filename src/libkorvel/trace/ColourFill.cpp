#include "trace/ColourFill.h"

#include <QRgb>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Whether a pixel's colour is within the tolerance of the seed's, channel by channel: the
// four channels are spread into 16-bit lanes and checked against their ranges at once.
class ColourMatch {
public:
    ColourMatch(QRgb seed, int tolerance, bool withAlpha)
    {
        const int within = std::clamp(tolerance, 0, 255);
        for (int channel = 0; channel < 4; ++channel) {
            const int value = int((seed >> (8 * channel)) & 0xff);
            const bool checked = withAlpha || channel < 3;
            const uint64_t low = checked ? uint64_t(std::max(0, value - within)) : 0;
            const uint64_t high = checked ? uint64_t(std::min(255, value + within)) : 255;
            m_lows |= low << (16 * channel);
            m_highs |= (kLaneTop | high) << (16 * channel);
        }
    }

    bool operator()(QRgb pixel) const
    {
        const uint64_t lanes = spread(pixel);
        // A lane keeps its top bit when the subtraction does not go below zero.
        const uint64_t aboveLow = (lanes | kLaneTops) - m_lows;
        const uint64_t belowHigh = m_highs - lanes;
        return (aboveLow & belowHigh & kLaneTops) == kLaneTops;
    }

private:
    static constexpr uint64_t kLaneTop = 0x8000;
    static constexpr uint64_t kLaneTops = 0x8000800080008000;

    static uint64_t spread(QRgb pixel)
    {
        const uint64_t p = pixel;
        return (p & 0xff) | ((p & 0xff00) << 8) | ((p & 0xff0000) << 16) | ((p & 0xff000000) << 24);
    }

    uint64_t m_lows = 0;
    uint64_t m_highs = 0;
};

// Pixels left to right of a row, all matching.
struct Stretch {
    int y;
    int left;
    int right;
};

// A scanline fill: each run of matching pixels on a row is found whole, then the rows above
// and below are searched along it for runs still to fill.
class ScanlineFill {
public:
    ScanlineFill(const QImage& picture, const ColourMatch& match)
        : m_picture(picture)
        , m_lastColumn(picture.width() - 1)
        , m_lastRow(picture.height() - 1)
        , m_match(match)
        , m_region(picture.rect())
    {
    }

    RegionMask run(QPoint seed)
    {
        m_pending.push_back({ seed.y(), seed.x(), seed.x() });
        while (!m_pending.empty()) {
            const Stretch stretch = m_pending.back();
            m_pending.pop_back();
            if (!m_region.contains(stretch.left, stretch.y))
                fillRunAround(stretch);
        }
        m_region.fitToBounds();
        return std::move(m_region);
    }

private:
    const QRgb* row(int y) const { return reinterpret_cast<const QRgb*>(m_picture.constScanLine(y)); }

    // Fills the run holding a stretch of matching pixels, extending it both ways. A run
    // never stops beside a matching pixel, so extending one meets no filled pixel.
    void fillRunAround(const Stretch& stretch)
    {
        const QRgb* pixels = row(stretch.y);
        int left = stretch.left;
        int right = stretch.right;
        while (left > 0 && m_match(pixels[left - 1]))
            --left;
        while (right < m_lastColumn && m_match(pixels[right + 1]))
            ++right;
        m_region.addRun(stretch.y, left, right);
        if (stretch.y > 0)
            queueStretchesAlong(stretch.y - 1, left, right);
        if (stretch.y < m_lastRow)
            queueStretchesAlong(stretch.y + 1, left, right);
    }

    // Queues each stretch of matching pixels not yet filled. Filled ones are skipped
    // whole; a filled pixel never borders a matching one on its row.
    void queueStretchesAlong(int y, int left, int right)
    {
        const QRgb* pixels = row(y);
        for (int x = m_region.nextOutside(y, left, right); x <= right; x = m_region.nextOutside(y, x, right)) {
            if (!m_match(pixels[x])) {
                ++x;
                continue;
            }
            const int first = x;
            while (x < right && m_match(pixels[x + 1]))
                ++x;
            m_pending.push_back({ y, first, x });
            x += 2; // past the pixel that ended the stretch
        }
    }

    const QImage& m_picture;
    const int m_lastColumn;
    const int m_lastRow;
    ColourMatch m_match;
    RegionMask m_region;
    std::vector<Stretch> m_pending;
};

} // namespace

RegionMask fillSimilarColour(const QImage& picture, QPoint seed, int colourTolerance)
{
    const bool withAlpha = picture.format() == QImage::Format_ARGB32_Premultiplied;
    if (!picture.rect().contains(seed) || (!withAlpha && picture.format() != QImage::Format_RGB32))
        return RegionMask();
    const QRgb seedColour = reinterpret_cast<const QRgb*>(picture.constScanLine(seed.y()))[seed.x()];
    return ScanlineFill(picture, ColourMatch(seedColour, colourTolerance, withAlpha)).run(seed);
}
