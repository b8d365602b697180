#pragma once

#include "check/BrowserMapView.h"
#include "check/MapProblem.h"
#include "check/PixelSearch.h"

// Areas no click can reach: every pixel of them on the picture is taken by areas a browser
// tries first (those before them in the map's order; for the first default area, all the
// others). Areas listed in `settled` are passed over, and so are those that hold no pixel of
// the picture at all: other checks say so.
MapProblems unreachableAreaProblems(const BrowserMapView& view, const std::vector<bool>& settled, SearchBudget& budget);
