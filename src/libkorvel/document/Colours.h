#pragma once

#include <cstdint>

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;

    friend bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
    friend bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

// Outline of every unselected box, and the pen colour restored after drawing a selection.
constexpr Rgb NormalColour { 115, 115, 115 };
// Outline of the selected box, edges of the selected polygon and every selection handle.
constexpr Rgb SelectedColour { 255, 0, 255 };
// The usual window-text colour; the main window replaces it by the theme's at start.
constexpr Rgb DefaultWindowTextColour { 0, 0, 0 };
