#pragma once

#include "view/ZoomMapping.h"

// How the canvas scrolls along one axis, in screen pixels. The scroll value is how far the
// canvas's start lies before the viewport's: 0 shows the picture's left or top edge.

struct ScrollSteps {
    int maximum = 0; // the canvas's end at the viewport's end; 0 when it fits or there is no bar
    int pageStep = 1; // the viewport's extent
    int singleStep = 1; // an arrow's step: a fifth of it
};

// The bar's figures for a viewport and canvas of these extents. Without a bar the view stays
// at the picture's start.
ScrollSteps scrollStepsAlong(int viewportExtent, int canvasExtent, bool barShown);

// The scroll value that keeps the picture under the viewport pixel anchor where it is when
// the zoom goes from before to after: above 100 % the same picture pixel stays under it, and
// below 100 % the anchor's pixel covers it. The bars then keep the result within their range.
int scrollKeepingPoint(const ZoomMapping& before, const ZoomMapping& after, int scroll, int anchor);
