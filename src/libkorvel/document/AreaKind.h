#pragma once

#include <cstdint>

// Which list an area lives in. Operations take the kind code; the clipboard
// remembers the kind of what it holds (None while it is empty).
enum class AreaKind : int16_t {
    None = 0,
    Box = 1,
    Polygon = 2,
};
