#pragma once

#include "map/Area.h"

#include <QPoint>

#include <vector>

// The polygon for an outline (see outerOutline): few corners, taken from the outline's own
// points, with every outline point within maxDeviation of the polygon; the first corner
// repeated last as a finished polygon stores it. From each of a few starting points every
// edge is made as long as the deviation lets it be, any corner whose neighbours' edge alone
// stays close enough is dropped, and the fewest corners win: about a fifth fewer than
// Douglas-Peucker's, and at most some 15 % more than the fewest any outline points allow.
// Where the outline needs more corners than a polygon may store, the deviation grows until
// they fit. Where the polygon would have no area (a small region flattened by the
// deviation) the deviation shrinks until it has; a region one pixel thin everywhere (a
// single pixel, a thin line) gets the convex polygon round its pixels and their four
// neighbours, so a browser still finds every pixel in it. Empty for an empty outline;
// coordinates beyond the 16-bit range are saturated.
std::vector<Vertex> simplifyOutline(const std::vector<QPoint>& outline, double maxDeviation);
