#pragma once

struct Editing;

// The drag a press started goes on with each pointer move: a move of the selected area, a
// handle dragged, a new box stretched. Each is worked out from the area as it was at the
// press and the pointer's travel since, so nothing drifts however the pointer wanders.
void dragGesture(Editing& editing);

// The button went up: a new box becomes the selection, a move ends.
void finishGesture(Editing& editing);
