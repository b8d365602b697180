#pragma once

#include "display/ZoomMapping.h"

// Where the canvas goes when the zoom changes around a point of the viewport, on one axis.
// offset is the canvas's position in the viewport (0 or negative when scrolled) and anchor
// the point, both in screen pixels. The picture under the anchor's pixel stays there: above
// 100 % the same picture pixel is under it afterwards, and below 100 % the anchor's pixel
// covers it. The scroll bars then keep the result within their range.
int OffsetKeepingPoint(const ZoomMapping& before, const ZoomMapping& after, int offset, int anchor);
