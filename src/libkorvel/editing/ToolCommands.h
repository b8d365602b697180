#pragma once

#include "editing/Editor.h"
#include "editing/EditorView.h"

// The tool buttons: they arm a drawing tool and nothing else; the selection, the
// properties panel and a polygon still being built stay as they are.
void rectButton_Click(Editor& editor, EditorView& view);
void circleButton_Click(Editor& editor, EditorView& view);
void polyButton_Click(Editor& editor, EditorView& view);

// What New Imagemap does to the map once the new picture has been read: every area goes,
// the selection and any drawing in progress end, and the lists shrink to their clipboard
// slot and spare element. The tool, the clipboard and imagePath stay.
void StartNewMap(Editor& editor);
