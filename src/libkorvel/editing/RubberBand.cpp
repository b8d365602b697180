#include "editing/RubberBand.h"

#include "document/Numbers.h"
#include "editing/Overlay.h"

#include <cmath>

namespace {

// Sides are whole pixels. A side may span more than half the coordinate range, so that a box
// reaching one end of it still reaches the press point.
void StretchRectangle(const EditorState& state, ShapeControl& box, float x, float y)
{
    int16_t left, top;
    double width, height;
    if (x > state.pressX) {
        left = RoundToInt16(state.pressX);
        width = RoundHalfEven(double { x } - state.pressX);
    } else {
        left = RoundToInt16(x);
        width = RoundHalfEven(double { state.pressX } - x);
    }
    if (y <= state.pressY) {
        top = RoundToInt16(y);
        height = RoundHalfEven(state.pressY - double { y });
    } else {
        top = state.pressY;
        height = RoundHalfEven(double { y } - state.pressY);
    }
    MoveShape(box, left, top, width, height);
}

void StretchCircle(const EditorState& state, ShapeControl& box, float x, float y)
{
    const double dx = std::fabs(double { state.pressX } - x);
    const double dy = std::fabs(state.pressY - double { y });
    const int16_t radius = RoundToInt16(dx > dy ? dx : dy);
    const int16_t left = RoundToInt16(double { state.pressX } - radius);
    const double width = RoundHalfEven(2 * (double { state.pressX } - left));
    const int16_t top = SaturatingSubtract(state.pressY, radius);
    const double height = 2 * (int { state.pressY } - int { top });
    MoveShape(box, left, top, width, height);
}

} // namespace

void StretchNewBox(Editor& editor, EditorView& view, float x, float y)
{
    ShapeControl& box = editor.map.box(editor.state.drawingBox);
    if (editor.state.toolMode == ToolMode::Circle)
        StretchCircle(editor.state, box, x, y);
    else
        StretchRectangle(editor.state, box, x, y);
    RedrawOverlay(editor, view);
}
