#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

// A picture's reduced copy: each target pixel is the average of the source pixels its
// square covers, each weighted by the part of it that lies inside. Pixels are 32 bits of
// four 8-bit channels (opaque, or with premultiplied alpha), and rows lie stride pixels
// apart. The target must be no larger than the source on either axis; the squares are the
// exact fractions that fit the target's size to the source's. Returns false, with the
// target unfinished, when stop became true, which is looked at once a target row.
bool averageDown(const uint32_t* source, int width, int height, std::ptrdiff_t sourceStride, uint32_t* target,
    int targetWidth, int targetHeight, std::ptrdiff_t targetStride, const std::atomic<bool>& stop);
