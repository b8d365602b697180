#pragma once

#include "map/Area.h"

#include <QString>

#include <vector>

// One <area> of a page as an area of the map: one Korvel edits when it can, otherwise one
// kept as it came, with the reason.
struct PageArea {
    Area area;
    QString problem; // why it is kept, as the end of a sentence; empty when it can be edited
};

// The shape keyword and the coords' numbers are read as browsers read them (BrowserArea).
// Rectangles (4 numbers or more, corners in either order), circles (3 or more, the radius
// not negative) and polygons (an x,y pair or more, at most kMaxPolygonVertices, an odd last
// number ignored) can be edited when the numbers they use lie within the 16-bit range and
// none is a percentage. The page's numbers then stand for the area until its geometry
// changes, fractions and all; the geometry Korvel edits is the box they give, or the
// vertices rounded to whole pixels. Every other area is kept: "default", percentages, too
// few numbers, numbers out of range.
PageArea readPageArea(std::vector<Attribute> attributes);

// The first coordinate written as a percentage, which browsers read as a number of pixels
// although its author meant a share of the picture; empty when there is none.
QString firstPercentage(const QString& coords);

// "area 3 (href “x.html”)": the area's place in its map, counted from 1, and its link, or
// its alt text when it has no link.
QString areaLabel(int number, const Area& area);
