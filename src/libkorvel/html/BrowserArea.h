#pragma once

#include <QString>

#include <optional>
#include <vector>

// An <area> as a browser sees it: the shape it draws and the numbers that shape uses.
class Area;

struct BrowserArea {
    enum class Shape {
        Rectangle, // numbers: left, top, right, bottom (either pair may be reversed)
        Circle, // numbers: centre x, centre y, radius > 0
        Polygon, // numbers: x, y of three or more corners
        Default, // the whole picture; no numbers
        Nothing // no shape drawn, so no pixel at all; no numbers (a drawn shape may hold
                // none either: a rectangle of no size, a radius under 1/64 pixel)
    };
    Shape shape = Shape::Nothing;
    std::vector<double> numbers;
};

// The shape a browser gives an area for its shape keyword (nullopt: not written), as
// readBrowserArea below reads it.
BrowserArea::Shape browserShapeOf(const std::optional<QString>& keyword);

// The area a browser makes of the shape and coords attributes (nullopt: not written).
// The shape keyword is compared in any ASCII case: "circle" and "circ" are circles, "poly"
// and "polygon" polygons, "default" the whole picture, and anything else (missing, empty,
// "rect", "square", " circle") a rectangle. Only the numbers the shape needs are kept:
// the first four of a rectangle, three of a circle, every whole pair of a polygon. Too few
// numbers, or a radius of 0 or less, give Nothing.
BrowserArea readBrowserArea(const std::optional<QString>& shape, const std::optional<QString>& coords);

// The same from the shape and the numbers the coords hold, for callers that have them.
BrowserArea browserAreaFrom(BrowserArea::Shape shape, std::vector<double> numbers);

// The area as browsers read it from the shape and coords Korvel writes for it: a page's own
// numbers while they stand, a polygon's vertices, or what the text of a box says.
BrowserArea browserAreaOf(const Area& area);

// The smallest and largest x and y the numbers of a rectangle, circle or polygon reach;
// nullopt for Default and Nothing, which have no numbers.
struct BrowserExtent {
    double left, top, right, bottom;
};
std::optional<BrowserExtent> browserAreaExtent(const BrowserArea& area);

// Whether a browser's hit test of the point (x, y), in picture pixels, lands in the area on
// its own. A Default area contains every point of the picture.
bool browserAreaContains(const BrowserArea& area, double x, double y);

// The index of the area a browser picks at the point, or -1: the first area in map order
// that contains it, except that the first Default area is only tried after all the others.
// Areas without href, and with nohref, take points like any other and so hide the areas
// after them. The point must be on the picture.
int browserAreaAt(const std::vector<BrowserArea>& areasInMapOrder, double x, double y);
