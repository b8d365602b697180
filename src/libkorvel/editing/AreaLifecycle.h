#pragma once

#include "editing/Editor.h"
#include "editing/EditorView.h"

// The operations that remove, copy and duplicate whole areas. Areas stay numbered 1..count
// without gaps, so an area's index (and its place in the HTML) drops by one for every
// deleted area before it.

// Removes area index of kind, closes the gap, clears the selection of that kind and the
// properties panel, and redraws. A polygon being built keeps being built when one before it
// goes; when it goes itself, building ends.
void DeleteArea(Editor& editor, EditorView& view, int16_t index, AreaKind kind);

// Copies area index into slot 0 of its kind. Setting clipKind is the caller's part.
void CopyAreaToClipboard(Editor& editor, int16_t index, AreaKind kind);

// Appends a copy of area index (0: the clipboard slot), 10 pixels right and down of it, or
// with its top-left at the canvas's centre when that would reach past the canvas's visible
// end; selects it and shows its texts. When the kind is full, nothing is added and the
// status bar says so.
void DuplicateArea(Editor& editor, EditorView& view, int16_t index, AreaKind kind);
