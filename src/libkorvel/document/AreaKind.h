#pragma once

#include <cstdint>

// Which list an area lives in. Operations take the kind code; the clipboard
// remembers the kind of what it holds (None while it is empty).
enum class AreaKind : int16_t {
    None = 0,
    Box = 1,
    Polygon = 2,
};

// One area of the map: its kind and its index within that kind (None: no area).
struct AreaRef {
    AreaKind kind = AreaKind::None;
    int16_t index = 0;
};
