#pragma once

#include "check/MapProblem.h"

class ImageMap;

// Links without alternative text: an area with href (and without nohref) whose alt is
// missing or blank, unless aria-label or aria-labelledby names it or another area of the map
// with the same href has an alt text, as HTML allows.
MapProblems missingAltProblems(const ImageMap& map);
