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

// Handles keep their size on screen at every zoom. A handle on a point is the square of
// screen pixels within kHandleTolerance of the pixel that shows the point: it is drawn as
// that square's outline and grabbed anywhere on it. The polygon-closing marker is drawn in
// such a square around the first vertex, and a click anywhere on it closes the polygon.
constexpr int16_t kHandleTolerance = 3;

// An edge of the handle square on an overlay coordinate, in picture units: side -1 its left
// or top edge, +1 its right or bottom one.
double HandleEdge(const ZoomMapping& zoom, double coordinate, int side);
