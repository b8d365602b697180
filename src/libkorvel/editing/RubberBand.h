#pragma once

#include "editing/Editor.h"
#include "editing/EditorView.h"

// Sizes the box being drawn from the press point to the pointer (x, y): a rectangle with
// the two as opposite corners, whichever way the drag goes, or a circle centred on the press
// point whose square reaches the pointer. Nothing is clamped to the picture.
void StretchNewBox(Editor& editor, EditorView& view, float x, float y);
