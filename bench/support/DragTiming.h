#pragma once

#include <QPointF>
#include <QSize>

#include <vector>

class CanvasView;
class MapEditor;
class QWidget;

// What the canvas benchmarks share: a busy map, a canvas with a fixed viewport, real mouse
// events, and drags timed move by move.

// A canvas on screen whose viewport is viewport between its two bars, showing a picture with
// some detail for the scaled copies to average, and on it a busy map: polygons closed polygons
// of 50 stored vertices and 2000 boxes, half of them circles, spread at random (always the
// same). The boxes come first, as Korvel lists them.
void showBusyMap(CanvasView& view, MapEditor& editor, QSize viewport, QSize picture, int polygons);

// Waits until no scaled copy of the picture is being made, and every repaint is done.
void waitForCopies(const CanvasView& view);

// A mouse event sent straight to the widget, at a point of it.
void sendMouse(QWidget* widget, int type, QPointF at, Qt::MouseButtons buttons);

// Hovers at from (arming a handle there), presses and moves `moves` times around it, up to
// 40 pixels away; returns the milliseconds of each move until it was painted.
std::vector<double> timedDrag(QWidget* viewport, QPointF from, int moves);

double median(std::vector<double> values);

// Before the QApplication is made: the offscreen platform, unless the caller chose one.
void preferOffscreenPlatform();

// --polygons N from the command line, within what a map holds; 2000 without it.
int polygonsFromArguments(int argc, char* argv[]);
