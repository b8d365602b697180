#pragma once

#include "map/Area.h"

#include <QRectF>
#include <QString>

// What an area's coords say, which is what a browser hit-tests and what the canvas shows:
// the page's own numbers while the area keeps them, otherwise the numbers Korvel writes.

struct RectangleFigure {
    double left, top, right, bottom; // left <= right, top <= bottom
};

struct CircleFigure {
    double centreX, centreY, radius;
};

// A rectangle's corners: the box's, the sums in single precision, never rounded.
RectangleFigure rectangleOf(const Area& area);
// A circle's centre and radius: the box's centre and half its width, each computed in single
// precision and rounded to whole pixels, halves to even.
CircleFigure circleOf(const Area& area);

// The coords attribute's value: "10,20,110,70", "22,22,12", "5,5,60,5,30,50,5,5".
QString coordsText(const Area& area);
void appendCoordsText(QString& out, const Area& area);

// The part of the picture an area's outline and handles' anchor points cover, and its
// box, in picture pixels; empty for a kept area.
QRectF areaBounds(const Area& area);
