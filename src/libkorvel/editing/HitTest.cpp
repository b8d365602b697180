#include "editing/HitTest.h"

#include <cmath>
#include <cstdlib>

namespace {

bool Within(float value, float low, float high)
{
    return low <= value && value <= high;
}

bool InsideBox(const ShapeControl& box, float x, float y)
{
    return Within(x, box.Left, box.Left + box.Width) && Within(y, box.Top, box.Top + box.Height);
}

// The handle square around (cx, cy), the sums in single precision.
bool OnHandle(float cx, float cy, float x, float y, float t)
{
    return Within(x, cx - t, cx + t) && Within(y, cy - t, cy + t);
}

// Whole vertices and a whole y: the differences are exact, and at a reach of 3 the test is
// the integer one.
bool WithinReach(int16_t a, int16_t b, float reach)
{
    return static_cast<float>(std::abs(int { a } - int { b })) <= reach;
}

int16_t VertexUnderPointer(const PolygonArea& polygon, float x, int16_t y, float reach)
{
    for (int16_t j = 1; j <= polygon.vertexCount; ++j) {
        const float vx = polygon.vertexX[static_cast<size_t>(j)];
        if (Within(x, vx - reach, vx + reach) && WithinReach(y, polygon.vertexY[static_cast<size_t>(j)], reach))
            return j; // the lowest number wins, so vertex 1 before its closing copy
    }
    return 0;
}

int16_t CornerUnderPointer(const ShapeControl& box, float x, float y, float t)
{
    const float right = box.Left + box.Width;
    const float bottom = box.Top + box.Height;
    const float corners[4][2] = { { box.Left, box.Top }, { right, box.Top }, { box.Left, bottom }, { right, bottom } };
    for (int16_t c = 0; c < 4; ++c) {
        if (OnHandle(corners[c][0], corners[c][1], x, y, t))
            return static_cast<int16_t>(c + 1);
    }
    return 0;
}

// Sides span their full length with no reach past their ends.
int16_t SideUnderPointer(const ShapeControl& box, float x, float y, float t)
{
    const float right = box.Left + box.Width;
    const float bottom = box.Top + box.Height;
    const bool alongHeight = Within(y, box.Top, bottom);
    const bool alongWidth = Within(x, box.Left, right);
    if (Within(x, box.Left - t, box.Left + t) && alongHeight)
        return 1;
    if (Within(x, right - t, right + t) && alongHeight)
        return 2;
    if (alongWidth && Within(y, box.Top - t, box.Top + t))
        return 3;
    if (alongWidth && Within(y, bottom - t, bottom + t))
        return 4;
    return 0;
}

} // namespace

AreaRef FindAreaUnderMouse(const Editor& editor)
{
    const ImagemapDocument& map = editor.map;
    const float x = editor.state.mouseX;
    const int16_t y = editor.state.mouseY;
    for (int16_t i = map.boxCount; i >= 1; --i) {
        if (InsideBox(map.box(i), x, y))
            return { AreaKind::Box, i };
    }
    for (int16_t j = map.polyCount; j >= 1; --j) {
        if (PointInPolygon(map.polygon(j), x, y) != 0)
            return { AreaKind::Polygon, j };
    }
    return {};
}

int16_t PointInPolygon(const PolygonArea& polygon, float x, int16_t y)
{
    const int16_t count = polygon.vertexCount;
    if (count < 3)
        return 0;
    // Differences of 16-bit values need 17 bits and their products 34, and x's fraction
    // needs a few more: all exact in double precision.
    const int16_t* xs = polygon.vertexX.data();
    const int16_t* ys = polygon.vertexY.data();
    const double px = x;
    const double py = y;
    int16_t inside = 0;
    int xold = xs[count];
    int yold = ys[count];
    for (int16_t i = 1; i <= count; ++i) {
        const int xnew = xs[i];
        const int ynew = ys[i];
        // Most edges lie wholly to one side of x: that test alone, before any product.
        if ((float(xnew) < x) == (x <= float(xold))) {
            const bool rising = xnew > xold;
            const double x1 = rising ? xold : xnew;
            const double y1 = rising ? yold : ynew;
            const double x2 = rising ? xnew : xold;
            const double y2 = rising ? ynew : yold;
            if ((py - y1) * (x2 - x1) < (y2 - y1) * (px - x1))
                inside = inside == 0 ? 1 : 0;
        }
        xold = xnew;
        yold = ynew;
    }
    return inside;
}

void FindHandleUnderMouse(Editor& editor, float reach)
{
    EditorState& state = editor.state;
    state.hoverCorner = 0;
    state.hoverSide = 0;
    if (state.selPoly >= 1) {
        state.hoverCorner = VertexUnderPointer(editor.map.polygon(state.selPoly), state.mouseX, state.mouseY, reach);
        return;
    }
    if (state.selBox >= 1) {
        const BoxArea& box = editor.map.box(state.selBox);
        state.hoverCorner = CornerUnderPointer(box, state.mouseX, state.mouseY, reach);
        state.hoverSide = SideUnderPointer(box, state.mouseX, state.mouseY, reach);
    }
}

bool CanClosePolygon(const Editor& editor, float reach)
{
    const EditorState& state = editor.state;
    if (state.buildingPoly < 1)
        return false;
    const PolygonArea& polygon = editor.map.polygon(state.buildingPoly);
    if (polygon.vertexCount < 3)
        return false;
    return std::fabs(polygon.vertexX[1] - state.mouseX) <= reach
        && WithinReach(polygon.vertexY[1], state.mouseY, reach);
}
