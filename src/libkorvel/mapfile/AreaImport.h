#pragma once

#include "document/AreaKind.h"
#include "document/BoxArea.h"
#include "document/PolygonArea.h"
#include "mapfile/FoundMap.h"

// Boxes lie within ±2^24 pixels: beyond that a float no longer holds every whole pixel,
// and no picture reaches that far.
constexpr double kFarthestBoxCoordinate = 16777216;

// One area of a page as an area of the map, or the reason Korvel cannot hold it.
struct ImportedArea {
    AreaKind kind = AreaKind::None; // None when it cannot be opened
    BoxArea box; // when a Box: geometry, shape, texts, grey and visible
    PolygonArea polygon; // when a Polygon: the vertices as written, and the texts
    QString problem; // when None: why, as the end of a sentence
    bool rounded = false; // a polygon's points had fractions and were rounded to whole pixels
};

// Reads the area as a browser does (shape keyword, coords list, corners in either order,
// an odd last polygon number ignored), and refuses what Korvel cannot hold: the default
// shape, percentages, too few numbers, numbers too large, negative radii, polygon points
// outside the 16-bit range and more than 32767 of them.
ImportedArea ImportArea(const FoundArea& area);
