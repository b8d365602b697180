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
// within which a click closes a polygon.
constexpr int16_t kHandleTolerance = 3;
