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

// The pointer's canvas pixel against the pixels that show overlay coordinates.
struct ScreenPointer {
    const ZoomMapping& zoom;
    int64_t x;
    int64_t y;

    // Within a handle's reach of the pixel that shows coordinate, across or down.
    bool NearX(double coordinate) const { return std::abs(x - zoom.ScreenPixelAt(coordinate)) <= kHandleTolerance; }
    bool NearY(double coordinate) const { return std::abs(y - zoom.ScreenPixelAt(coordinate)) <= kHandleTolerance; }
    bool OnHandle(double cx, double cy) const { return NearX(cx) && NearY(cy); }
    // Between the pixels that show from and to, ends included.
    bool AlongX(double from, double to) const { return zoom.ScreenPixelAt(from) <= x && x <= zoom.ScreenPixelAt(to); }
    bool AlongY(double from, double to) const { return zoom.ScreenPixelAt(from) <= y && y <= zoom.ScreenPixelAt(to); }
};

ScreenPointer PointerOnScreen(const EditorState& state, const ZoomMapping& zoom)
{
    return { zoom, state.mouseScreenX, state.mouseScreenY };
}

int16_t VertexUnderPointer(const PolygonArea& polygon, const ScreenPointer& pointer)
{
    for (int16_t j = 1; j <= polygon.vertexCount; ++j) {
        if (pointer.OnHandle(polygon.vertexX[static_cast<size_t>(j)], polygon.vertexY[static_cast<size_t>(j)]))
            return j; // the lowest number wins, so vertex 1 before its closing copy
    }
    return 0;
}

int16_t CornerUnderPointer(const ShapeControl& box, const ScreenPointer& pointer)
{
    const double right = double { box.Left } + box.Width;
    const double bottom = double { box.Top } + box.Height;
    const double corners[4][2] = { { box.Left, box.Top }, { right, box.Top }, { box.Left, bottom }, { right, bottom } };
    for (int16_t c = 0; c < 4; ++c) {
        if (pointer.OnHandle(corners[c][0], corners[c][1]))
            return static_cast<int16_t>(c + 1);
    }
    return 0;
}

// Sides span their full length with no reach past their ends.
int16_t SideUnderPointer(const ShapeControl& box, const ScreenPointer& pointer)
{
    const double right = double { box.Left } + box.Width;
    const double bottom = double { box.Top } + box.Height;
    const bool alongHeight = pointer.AlongY(box.Top, bottom);
    const bool alongWidth = pointer.AlongX(box.Left, right);
    if (pointer.NearX(box.Left) && alongHeight)
        return 1;
    if (pointer.NearX(right) && alongHeight)
        return 2;
    if (alongWidth && pointer.NearY(box.Top))
        return 3;
    if (alongWidth && pointer.NearY(bottom))
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

void FindHandleUnderMouse(Editor& editor, const ZoomMapping& zoom)
{
    EditorState& state = editor.state;
    const ScreenPointer pointer = PointerOnScreen(state, zoom);
    state.hoverCorner = 0;
    state.hoverSide = 0;
    if (state.selPoly >= 1) {
        state.hoverCorner = VertexUnderPointer(editor.map.polygon(state.selPoly), pointer);
        return;
    }
    if (state.selBox >= 1) {
        const BoxArea& box = editor.map.box(state.selBox);
        state.hoverCorner = CornerUnderPointer(box, pointer);
        state.hoverSide = SideUnderPointer(box, pointer);
    }
}

bool CanClosePolygon(const Editor& editor, const ZoomMapping& zoom)
{
    const EditorState& state = editor.state;
    if (state.buildingPoly < 1)
        return false;
    const PolygonArea& polygon = editor.map.polygon(state.buildingPoly);
    return polygon.vertexCount >= 3 && PointerOnScreen(state, zoom).OnHandle(polygon.vertexX[1], polygon.vertexY[1]);
}
