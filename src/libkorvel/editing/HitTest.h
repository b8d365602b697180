#pragma once

#include "editing/Editor.h"
#include "editing/Overlay.h"

// The questions asked about the pointer, all answered from the position the last mouse
// move recorded, never from the event that asks. Range tests are inclusive at both ends.
// Areas are found at the picture pixel (mouseX, mouseY); handles, which keep their size on
// screen, at the canvas pixel (mouseScreenX, mouseScreenY), on the square each is drawn as
// at the canvas's zoom (Overlay.h). None of them allocates.

// The area under the pointer: any box before every polygon; among each kind the one with
// the highest index (the frontmost, the newest).
AreaRef FindAreaUnderMouse(const Editor& editor);

// 1 when (x, y) lies inside the polygon by the even-odd rule, taking its vertices as a
// closed ring; 0 outside and for fewer than three vertices. Exact for every 16-bit vertex,
// with x keeping its fraction.
int16_t PointInPolygon(const PolygonArea& polygon, float x, int16_t y);

// Sets hoverCorner (a corner 1..4 of the selected box, or a vertex of the selected polygon)
// and hoverSide (a side 1..4 of the selected box) under the pointer, 0 for none. Near a
// box's corner both are set.
void FindHandleUnderMouse(Editor& editor, const ZoomMapping& zoom = ZoomMapping());

// True when the polygon being built has at least three vertices and the pointer is on the
// square around its first one, so that a click closes it.
bool CanClosePolygon(const Editor& editor, const ZoomMapping& zoom = ZoomMapping());
