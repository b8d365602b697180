#pragma once

#include <vector>

// Which points a browser's hit test puts inside each shape. Browsers hold the shapes in
// single precision, so every coordinate is rounded to float first.

// A coordinate as browsers hold it: cut towards zero to a whole 1/64 pixel, within the range
// such steps can count, then in single precision ("2.01" is 2, "9.99" is 9.984375).
float browserCoordinate(double value);

// The closed box between the corners, whichever way round they are written. A box of no
// width or no height (but not both) holds just its two end corners; one of neither holds
// nothing.
bool rectangleHit(double left, double top, double right, double bottom, double x, double y);

// The closed disc: the rim belongs.
bool circleHit(double centreX, double centreY, double radius, double x, double y);

// The polygon through the corners (x, y pairs), filled even-odd: a point inside when a ray
// from it crosses the outline an odd number of times, and on the outline when the outline
// runs through it an odd number of times (so a corner or edge of a simple polygon belongs,
// but a stretch the outline runs along twice does not).
bool polygonHit(const std::vector<double>& corners, double x, double y);
