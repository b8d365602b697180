#pragma once

#include "editing/Editor.h"
#include "editing/EditorView.h"

// The mouse button going down on the canvas at (x, y): with the arrow tool it selects the
// area under the pointer and arms a move; with the rectangle or circle tool it creates the
// new box that the rubber band then stretches. Any button acts alike.
void InnerPict_MouseDown(Editor& editor, EditorView& view, float x, float y);

// A completed click, at the position the last move recorded: with the polygon tool it
// starts a polygon, adds a vertex, or closes the polygon on its first vertex.
void InnerPict_Click(Editor& editor, EditorView& view);
