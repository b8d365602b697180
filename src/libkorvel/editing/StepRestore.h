#pragma once

#include "editing/Editor.h"
#include "editing/EditorView.h"
#include "undo/EditStep.h"

// Undoes (forward false) or redoes a step: the map as it was or became, and the selection
// that went with it, shown in the properties panel and on the canvas. A hovered handle or a
// move in progress is forgotten; an armed drawing tool stays armed.
void RestoreStep(Editor& editor, EditorView& view, const EditStep& step, bool forward);
