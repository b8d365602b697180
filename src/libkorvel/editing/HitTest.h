#pragma once

#include "editing/Editor.h"
#include "editing/Overlay.h"

// The questions asked about the pointer, all answered from the position the last mouse
// move recorded (mouseX, mouseY), never from the event that asks. Range tests are
// inclusive at both ends; a handle's reach is a square of `reach` picture pixels on each
// side, kHandleTolerance at 100 % (HandleReach gives it at the view's zoom). None of them
// allocates.

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
void FindHandleUnderMouse(Editor& editor, float reach = kHandleTolerance);

// True when the polygon being built has at least three vertices and the pointer is within
// reach of its first one, so that a click closes it.
bool CanClosePolygon(const Editor& editor, float reach = kHandleTolerance);
