#pragma once

#include "map/Area.h"

#include <optional>
#include <vector>

// The geometry of drawing, moving and reshaping areas. Everything is worked out in
// double precision from the press and the pointer; only the box that is stored saturates, so
// bringing the pointer back from far away brings the box back too.

// The box with these edges, each kept within the 16-bit coordinate range.
Box spannedBox(double left, double top, double right, double bottom);
// The box moved to (left, top), its corner kept within the coordinate range, its size kept.
Box movedBox(const Box& box, double left, double top);

// A new rectangle spans the press point and the pointer, whichever way the drag goes.
Box rubberRectangle(double pressX, double pressY, double x, double y);
// A new circle is centred on the press point; its box's half side is the larger of the
// pointer's distances from it along each axis.
Box rubberCircle(double pressX, double pressY, double x, double y);

// Dragging corner 1..4 (top-left, top-right, bottom-left, bottom-right) of box to (x, y): the
// opposite corner stays. Nothing while the pointer is on or beyond an opposite side; a
// circle's box stays square, the larger side winning.
std::optional<Box> draggedCorner(const Box& box, int corner, bool circle, double x, double y);
// Dragging side 1..4 (left, right, top, bottom) to the pointer. A rectangle's other sides
// stay; a circle keeps its centre and stays as square as it was.
std::optional<Box> draggedSide(const Box& box, int side, bool circle, double x, double y);

// The vertices moved by (dx, dy), rounded half to even; at the ends of the 16-bit range the
// polygon stops as a whole, keeping its shape.
std::vector<Vertex> shiftedVertices(const std::vector<Vertex>& vertices, double dx, double dy);
