#pragma once

#include "check/BrowserMapView.h"
#include "check/MapProblem.h"
#include "check/PixelSearch.h"

class ImageMap;

// Areas that browsers give no pixel at all, or only the end points of a line: too few
// coordinates, a radius of 0, a rectangle clicked without a drag, a polygon of one or two
// points, or corners on one line.
MapProblems degenerateAreaProblems(const ImageMap& map, const BrowserMapView& view, SearchBudget& budget);

// Areas no pixel of the picture lies in. Those listed in `settled` (already reported, say
// as having no pixel) are passed over.
MapProblems outsidePictureProblems(const BrowserMapView& view, const std::vector<bool>& settled, SearchBudget& budget);
