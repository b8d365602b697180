#pragma once

#include "editor/EditorState.h"

#include <vector>

class AreaIndex;
class ImageMap;

// Half the side of a drawn handle and the reach of every handle, in screen pixels: a handle
// grabs exactly the 7 x 7 square that is drawn, at every zoom.
constexpr int kHandleReach = 3;

// The area a press at picture pixel (x, y) selects, 0 for none: any rectangle or circle
// before every polygon, the later in the map's order first. A box is hit anywhere in it,
// its edges included; a polygon by the even-odd rule. Kept areas are never hit.
AreaId areaUnderPointer(const ImageMap& map, const AreaIndex& index, double x, double y);

// Whether (x, y) lies inside the polygon by the even-odd rule, its vertices taken as a closed
// ring; never for fewer than three vertices. Exact for every 16-bit vertex.
bool pointInPolygon(const std::vector<Vertex>& vertices, double x, double y);

// The handle of area under the pointer: a box's corner before its side, a polygon's vertex
// with the lowest number. Sides span their full length, with no reach past their ends.
Handle handleUnderPointer(const Area& area, const Pointer& pointer, const ZoomMapping& zoom);

// The edge of a polygon whose drawn line passes within a handle's reach of the pointer, the
// nearest one (the lower number on a tie): the index of the vertex it starts from, or -1.
// ring: the line from the last vertex back to the first is drawn too, as it is for every
// polygon but the one being built.
int edgeUnderPointer(const Area& polygon, bool ring, const Pointer& pointer, const ZoomMapping& zoom);

// Whether a click closes the polygon: it has three vertices or more and the pointer is on
// the mark drawn around its first one.
bool onClosingMark(const Area& polygon, const Pointer& pointer, const ZoomMapping& zoom);
