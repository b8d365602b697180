#pragma once

#include "editing/EditorView.h"
#include "document/ImagemapDocument.h"

// The Generate button: back to the arrow tool, then the map's HTML is appended to
// the output window's text and the window is shown.
void generateButton_Click(ImagemapDocument& doc, EditorView& view);
