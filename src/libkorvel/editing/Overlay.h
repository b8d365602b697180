#pragma once

#include "editing/Editor.h"
#include "editing/EditorView.h"

// Brings the canvas's transient layer up to date: repaints the canvas (when there is
// anything to draw), then draws every polygon's edges and the handles of the selected
// area again from the map. Leaves the pen grey after drawing a selection.
void RedrawOverlay(const Editor& editor, EditorView& view);

// The outline of the rectangle with corners (x1, y1) and (x2, y2), in the current pen
// colour, as four lines: top, right, bottom, left.
void DrawHandleBox(EditorView& view, float x1, float y1, float x2, float y2);

// Half the size of a drawn handle, the reach of the handle hit tests and the distance
// within which a click closes a polygon, in screen pixels: handles keep their size on
// screen at every zoom.
constexpr int16_t kHandleTolerance = 3;

// kHandleTolerance in picture pixels at the view's zoom: 3 at 100 %, 48 at 1/16, 3/16 at 16x.
float HandleReach(const EditorView& view);

// A vertex coordinate moved by offset, kept within the 16-bit range: at 100 % the saturating
// 16-bit sum of the vertex and the tolerance.
float VertexOffset(int16_t vertex, float offset);
