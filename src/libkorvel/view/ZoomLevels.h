#pragma once

#include "view/ZoomMapping.h"

#include <QSize>

#include <array>

// The levels the zoom steps through, smallest first: 1/16, 1/12, 1/8, 1/6, 1/4, 1/3, 1/2,
// 2/3, 100 %, then 2, 3, 4, 6, 8, 12 and 16 times. Each step is a factor of 1.33 or 1.5
// except the one from 100 % to 200 %: above 100 % only whole factors come, so that every
// picture pixel is a square of equal size.
const std::array<ZoomMapping, 16>& zoomLevels();

// The level steps away from current: positive steps zoom in, negative ones out. A zoom
// between two levels counts its first step to the neighbouring level; the ends stay.
ZoomMapping zoomStepped(const ZoomMapping& current, int steps);

// The largest level at which the whole picture fits in room; the smallest level when none
// does. A picture smaller than the room is enlarged as far as it fits.
ZoomMapping fitZoom(const QSize& room, const QSize& picture);
