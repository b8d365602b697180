#pragma once

struct Editing;

// Corners added to and taken from the selected polygon with the arrow tool, each within the
// polygon's limits: at least three corners, at most kMaxPolygonVertices stored vertices. A
// finished polygon stays finished: its last stored vertex stays a copy of its first.

// The edge of the selected polygon under the pointer, where a double-click puts a corner:
// the index of the vertex it starts from; -1 off its edges and on its handles, which a
// double-click presses as a single click does.
int edgeForNewCorner(const Editing& editing);

// Puts a corner at the picture pixel under the pointer into that edge of the selected polygon
// and arms it: the press under way drags it, and so does the next one. False, with the reason
// in notice, when the polygon is full.
bool addCorner(Editing& editing, int edge);

// A Ctrl+press on a corner's handle of the selected polygon takes that corner away, or says
// in notice why not. Returns whether the press was on such a handle.
bool removeCornerUnderPointer(Editing& editing);
