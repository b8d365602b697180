#pragma once

#include "document/ImagemapDocument.h"

#include <functional>

// The largest map Korvel holds: 32,766 boxes (rectangles and circles by turns) and 32,766
// polygons of 7 corners plus the closing copy, each with its own link and alt text.
ImagemapDocument LargestMap();

// The median of runs timings of work, in milliseconds.
double MedianMilliseconds(int runs, const std::function<void()>& work);
