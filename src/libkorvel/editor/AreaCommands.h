#pragma once

struct Editing;

// The commands on the selected area. With nothing selected they do nothing; paste needs no
// selection, only something in the area clipboard.
void deleteSelected(Editing& editing);
void copySelected(Editing& editing);
void cutSelected(Editing& editing);
void paste(Editing& editing);
void duplicateSelected(Editing& editing);
// One picture pixel per step, with no bounds: an area may go past the picture's edge.
void nudgeSelected(Editing& editing, int dx, int dy);
