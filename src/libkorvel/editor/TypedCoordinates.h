#pragma once

#include <QString>

class Area;

// Gives the area the geometry of the coordinates a user typed, written as its coords
// attribute is ("10,20,110,70"; commas or spaces between numbers), or says why they cannot be
// taken and leaves the area as it was. The numbers are whole pixels from -32768 to 32767: a
// rectangle's left, top, right and bottom (either pair may be reversed), a circle's centre and
// radius (the whole circle within the range), a polygon's corners, at least three, the first
// one repeated at the end or not.
QString applyTypedCoordinates(Area& area, const QString& text);
