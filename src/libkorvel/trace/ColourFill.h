#pragma once

#include "trace/RegionMask.h"

#include <QImage>
#include <QPoint>

// The region of similar colour around the seed pixel: the pixels reachable from it through
// left, right, up and down steps over pixels whose colour is within the tolerance of the
// seed's (see TraceSettings). Diagonal steps are not taken, so a line one pixel wide, even
// a diagonal one, keeps the fill on its side. Empty when the seed is off the picture.
// The picture is read in place and must be Format_RGB32 (whose alpha byte is ignored) or
// Format_ARGB32_Premultiplied; any other format gives an empty region.
RegionMask fillSimilarColour(const QImage& picture, QPoint seed, int colourTolerance);
