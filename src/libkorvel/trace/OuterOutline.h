#pragma once

#include "trace/RegionMask.h"

#include <QPoint>

#include <vector>

// The region's outer outline: the pixels of the region that touch the outside, in order
// round it (clockwise on screen), each a step to one of the previous one's eight
// neighbours; the first is not repeated at the end. The polygon through them holds every
// pixel of the region, its holes included, wherever the region is two or more pixels
// thick; where it is one pixel thin the outline passes the same pixels twice, once on each
// side. Empty for an empty region, one point for a single pixel.
std::vector<QPoint> outerOutline(const RegionMask& region);
