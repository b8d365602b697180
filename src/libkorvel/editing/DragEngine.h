#pragma once

#include "editing/Editor.h"
#include "editing/EditorView.h"

// The pointer moving and the button going up on the canvas. Everything a drag needs lives
// in the editor's state (toolMode, buttonDown, the hovered handle, the press point and the
// area as the press found it), handed from one event to the next.

// Records the pointer, then does the one thing the tool and the button call for: hover
// feedback, a handle drag, a move, a rubber band or the polygon preview.
// screen: the canvas pixel under the pointer.
void InnerPict_MouseMove(Editor& editor, EditorView& view, float x, float y, QPoint screen);
// Ends a press: a move returns to the arrow tool; a rubber band selects its new box.
void InnerPict_MouseUp(Editor& editor, EditorView& view);

// Keeps the selected area as it is now as the start of a move or a handle drag.
void StartDrag(Editor& editor);
// A key changed the area or the selection in the middle of a drag: the drag goes on from the
// selected area as it is now, a move from the pointer's last position.
void RestartDrag(Editor& editor);

// The steps of a drag, on the selected area as the drag started it and the pointer (x, y);
// only the result is kept within the coordinate range. A step whose condition does not hold
// leaves the area as it is. DragSide returns whether it moved the box.
void DragCorner(Editor& editor, float x);
bool DragSide(Editor& editor, float x);
void DragVertex(Editor& editor, float x);
void MoveSelection(Editor& editor, float x, float y);
