#pragma once

#include "document/Colours.h"

#include <QString>

#include <cstdint>

// Values of ShapeControl::Shape.
constexpr int16_t kRectangleShape = 0;
constexpr int16_t kCircleShape = 3;

// What the canvas draws for a box area: its outline's place, kind and colour.
struct ShapeControl {
    float Left = 0;
    float Top = 0;
    float Width = 0; // never negative
    float Height = 0; // never negative
    int16_t Shape = kRectangleShape;
    Rgb BorderColor = DefaultWindowTextColour;
    bool Visible = false;
    // Carried from element 0 to every new element; the outline is always solid and the
    // interior always transparent.
    int16_t BorderWidth = 1;

    friend bool operator==(const ShapeControl& a, const ShapeControl& b)
    {
        return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height && a.Shape == b.Shape
            && a.BorderColor == b.BorderColor && a.Visible == b.Visible && a.BorderWidth == b.BorderWidth;
    }
    friend bool operator!=(const ShapeControl& a, const ShapeControl& b) { return !(a == b); }
};

// One rectangle or circle area: its outline and its texts. Element 0 of the map's box list
// is the clipboard slot for boxes and the pattern that new elements copy; it is never shown.
struct BoxArea : ShapeControl {
    QString url;
    QString alt;

    friend bool operator==(const BoxArea& a, const BoxArea& b)
    {
        return static_cast<const ShapeControl&>(a) == static_cast<const ShapeControl&>(b) && a.url == b.url
            && a.alt == b.alt;
    }
    friend bool operator!=(const BoxArea& a, const BoxArea& b) { return !(a == b); }
};
