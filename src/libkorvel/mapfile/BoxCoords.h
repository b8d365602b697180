#pragma once

#include "document/BoxArea.h"

#include <array>
#include <vector>

// A box's geometry alone, as the map stores it.
struct BoxGeometry {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    friend bool operator==(const BoxGeometry& a, const BoxGeometry& b)
    {
        return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
    }
    friend bool operator!=(const BoxGeometry& a, const BoxGeometry& b) { return !(a == b); }
};

BoxGeometry GeometryOf(const ShapeControl& box);
void SetGeometry(ShapeControl& box, const BoxGeometry& geometry);

// The numbers of a box's coords as Generate writes them: a rectangle's left, top, right
// and bottom in single precision; a circle's centre and radius (from the width alone)
// rounded half to even.
std::array<float, 4> RectangleCoords(const BoxGeometry& box);
std::array<double, 3> CircleCoords(const BoxGeometry& box);

// The box that a rectangle's corners (in either order, as browsers take them) or a
// circle's centre and radius stand for.
BoxGeometry BoxFromRectangle(const std::array<float, 4>& coords);
BoxGeometry BoxFromCircle(const std::array<float, 3>& coords);

// Whether reading back the coords written for this box gives this very box. A circle
// whose box is not a square at whole pixels, or a rectangle whose size the subtraction
// of its corners does not give back exactly, needs its geometry written beside the coords.
bool CoordsKeepBoxExactly(const BoxGeometry& box, int16_t shape);

// Whether Generate writes exactly these coords for this box, so that the box may stand for
// them. The coords must lie within the range of a float.
bool BoxMatchesCoords(const BoxGeometry& box, int16_t shape, const std::vector<double>& coords);
