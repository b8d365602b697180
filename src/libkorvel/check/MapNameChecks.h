#pragma once

#include "check/MapProblem.h"

class ImageMap;

// A map name no picture finds in every browser: empty, holding a space, or starting with
// "#", which some browsers drop from a name and others keep.
MapProblems mapNameProblems(const ImageMap& map);
