#pragma once

#include "document/Colours.h"

#include <cstdint>

// Values of BoxArea::Shape.
constexpr int16_t kRectangleShape = 0;
constexpr int16_t kCircleShape = 3;

// One element of the Shape array: a rectangle or circle area on the canvas, or,
// as element 0, the hidden clipboard slot for boxes.
struct BoxArea {
    float Left = 0;
    float Top = 0;
    float Width = 0; // never negative
    float Height = 0; // never negative
    int16_t Shape = kRectangleShape;
    Rgb BorderColor = DefaultWindowTextColour;
    bool Visible = false;
    // Design property carried from element 0 to every new element; the outline is
    // always solid and the interior always transparent.
    int16_t BorderWidth = 1;

    friend bool operator==(const BoxArea& a, const BoxArea& b)
    {
        return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height && a.Shape == b.Shape
            && a.BorderColor == b.BorderColor && a.Visible == b.Visible && a.BorderWidth == b.BorderWidth;
    }
    friend bool operator!=(const BoxArea& a, const BoxArea& b) { return !(a == b); }
};
