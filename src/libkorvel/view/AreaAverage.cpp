#include "view/AreaAverage.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// For each target pixel along one axis: the source pixels it covers and their weights. In
// units where a source pixel is targetLength / g long and a target pixel sourceLength / g,
// every overlap is a whole number and each target pixel's weights add up to total.
struct AxisTaps {
    std::vector<int> first; // first source pixel of target pixel j
    std::vector<int> count; // how many follow
    std::vector<int> offset; // where target pixel j's weights start in weights
    std::vector<uint32_t> weights;
    uint32_t total = 1;
};

AxisTaps tapsAlong(int sourceLength, int targetLength)
{
    AxisTaps taps;
    const int64_t g = std::gcd(sourceLength, targetLength);
    const int64_t sourceUnit = targetLength / g;
    const int64_t targetUnit = sourceLength / g;
    taps.total = static_cast<uint32_t>(targetUnit);
    for (int64_t j = 0; j < targetLength; ++j) {
        const int64_t low = j * targetUnit;
        const int64_t high = low + targetUnit;
        const int64_t first = low / sourceUnit;
        const int64_t last = (high - 1) / sourceUnit;
        taps.first.push_back(static_cast<int>(first));
        taps.count.push_back(static_cast<int>(last - first + 1));
        taps.offset.push_back(static_cast<int>(taps.weights.size()));
        for (int64_t i = first; i <= last; ++i) {
            const int64_t overlap = std::min(high, (i + 1) * sourceUnit) - std::max(low, i * sourceUnit);
            taps.weights.push_back(static_cast<uint32_t>(overlap));
        }
    }
    return taps;
}

// One source row reduced along x: four weighted channel sums per target pixel.
void sumAcross(const uint32_t* row, const AxisTaps& taps, std::vector<uint64_t>& sums)
{
    const size_t targetWidth = taps.first.size();
    for (size_t j = 0; j < targetWidth; ++j) {
        uint64_t a = 0, r = 0, g = 0, b = 0;
        const uint32_t* pixel = row + taps.first[j];
        const uint32_t* weight = taps.weights.data() + taps.offset[j];
        for (int k = 0; k < taps.count[j]; ++k) {
            const uint64_t w = weight[k];
            const uint32_t p = pixel[k];
            a += w * (p >> 24);
            r += w * ((p >> 16) & 0xff);
            g += w * ((p >> 8) & 0xff);
            b += w * (p & 0xff);
        }
        sums[4 * j] = a;
        sums[4 * j + 1] = r;
        sums[4 * j + 2] = g;
        sums[4 * j + 3] = b;
    }
}

uint32_t channel(uint64_t sum, double scale)
{
    return std::min<uint32_t>(static_cast<uint32_t>(static_cast<double>(sum) * scale + 0.5), 255);
}

} // namespace

bool averageDown(const uint32_t* source, int width, int height, std::ptrdiff_t sourceStride, uint32_t* target,
    int targetWidth, int targetHeight, std::ptrdiff_t targetStride, const std::atomic<bool>& stop)
{
    if (targetWidth <= 0 || targetHeight <= 0 || targetWidth > width || targetHeight > height)
        return false;
    const AxisTaps across = tapsAlong(width, targetWidth);
    const AxisTaps down = tapsAlong(height, targetHeight);
    const double scale = 1.0 / (double(across.total) * down.total);
    std::vector<uint64_t> rowSums(4 * static_cast<size_t>(targetWidth));
    std::vector<uint64_t> sums(rowSums.size());
    for (int j = 0; j < targetHeight; ++j) {
        if (stop.load(std::memory_order_relaxed))
            return false;
        std::fill(sums.begin(), sums.end(), 0);
        for (int k = 0; k < down.count[j]; ++k) {
            sumAcross(source + (down.first[j] + k) * sourceStride, across, rowSums);
            const uint64_t w = down.weights[static_cast<size_t>(down.offset[j] + k)];
            for (size_t c = 0; c < sums.size(); ++c)
                sums[c] += w * rowSums[c];
        }
        uint32_t* out = target + j * targetStride;
        for (int x = 0; x < targetWidth; ++x) {
            const uint64_t* s = &sums[4 * static_cast<size_t>(x)];
            out[x] = channel(s[0], scale) << 24 | channel(s[1], scale) << 16 | channel(s[2], scale) << 8
                | channel(s[3], scale);
        }
    }
    return true;
}
