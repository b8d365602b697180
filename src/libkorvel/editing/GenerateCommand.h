#pragma once

#include "editing/Editor.h"
#include "editing/EditorView.h"

// The Generate button: back to the arrow tool, then the map's HTML is appended to the
// output window's text and the window is shown.
void generateButton_Click(Editor& editor, EditorView& view);
