#pragma once

#include "editing/Editor.h"
#include "editing/EditorView.h"

// The URL and alt text boxes. Every change of their text is stored into the area selected
// at that moment, whoever made it; so callers select an area first and fill the boxes
// afterwards, and empty them only while nothing is selected.

// Enables both boxes and shows the texts of area index (a box when isBox).
void ShowAreaProperties(Editor& editor, EditorView& view, int16_t index, bool isBox);
// Empties and disables both boxes.
void ClearAreaProperties(Editor& editor, EditorView& view);

// A change of a box's text: stored as the selected area's URL or alt text (a selected box
// before a selected polygon); with nothing selected, nowhere.
void HrefText_Change(Editor& editor, const QString& text);
void AltText_Change(Editor& editor, const QString& text);

// The program setting a box's text: shown, then stored as any change is.
void SetHrefText(Editor& editor, EditorView& view, const QString& text);
void SetAltText(Editor& editor, EditorView& view, const QString& text);
