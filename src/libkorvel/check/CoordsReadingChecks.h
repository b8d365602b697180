#pragma once

#include "check/BrowserMapView.h"
#include "check/MapProblem.h"

class ImageMap;

// Coordinates browsers read differently from how Korvel shows them: a percentage, which
// browsers read as that many pixels; a number browsers cut to a whole pixel that Korvel
// shows a fraction beyond it (they place areas in 1/64-pixel steps); and areas Korvel
// cannot show at all although browsers use them (coordinates beyond its range, say).
MapProblems coordsReadingProblems(const ImageMap& map, const BrowserMapView& view);
