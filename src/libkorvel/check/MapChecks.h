#pragma once

#include "check/MapProblem.h"
#include "check/PixelSearch.h"

#include <QSize>

class ImageMap;

struct MapCheckOptions {
    // The size the picture is shown at; invalid when it is not known, and then only areas
    // at negative coordinates are outside it.
    QSize picture;
    // Whether the map goes out through Generate's literal text, whose texts are checked too.
    // A page's map is out already, as its page says.
    bool generated = true;
    // The pixel tests each check of an area's pixels may make.
    qint64 searchBudget = kMapSearchBudget;
};

// Every check of one map, the problems in the map's order (the map's own first), at most one
// about an area's pixels (no pixel, outside the picture, or unreachable).
MapProblems checkMap(const ImageMap& map, const MapCheckOptions& options);
