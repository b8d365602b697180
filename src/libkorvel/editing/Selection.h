#pragma once

#include "editing/Editor.h"

// Border colours mark which box is selected: every operation that changes the selection
// sets the box losing it back to grey and the new one to magenta.

// Every box 1..boxCount grey.
void GreyAllBoxes(ImagemapDocument& map);
// Box element index (element 0 included) in the given colour.
void SetBorder(ImagemapDocument& map, int16_t index, Rgb colour);
