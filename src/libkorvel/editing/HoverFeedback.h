#pragma once

#include "editing/Editor.h"
#include "editing/EditorView.h"

// What the pointer shows while it moves over the canvas.

// Records the pointer (mouseX as it came, mouseY rounded to 16 bits, and the canvas pixel
// it is on) and shows it in the status bar as "x,y". Runs first on every move, with or
// without a button held.
void ShowPointerPosition(Editor& editor, EditorView& view, float x, float y, QPoint screen);

// With no button held: over a handle of the selected area, arms its resize mode and shows
// the matching sizing pointer (a corner before a side); off every handle, a resize mode
// falls back to the arrow.
void UpdateHoverMode(Editor& editor, EditorView& view);

// While a polygon is being built: the closing marker on its first vertex when a click would
// close it, the overlay, and the rubber line from its last vertex to the pointer.
void ShowPolygonPreview(Editor& editor, EditorView& view);
