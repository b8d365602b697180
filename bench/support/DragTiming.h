#pragma once

#include "editing/Editor.h"

#include <QPointF>
#include <QSize>

#include <vector>

class QWidget;

// What the benchmarks share: a busy map, real mouse events, and drags timed move by move.

// polygons closed polygons of 50 stored vertices and 2000 boxes, half of them circles,
// spread at random (always the same) over a picture of the given size.
void BuildBusyMap(Editor& editor, int polygons, QSize picture);

// A mouse event sent straight to the canvas, at a point of the canvas.
void SendMouse(QWidget* canvas, int type, QPointF at, Qt::MouseButtons buttons);

// Hovers at from (arming a handle there), presses and moves `moves` times around it, up to
// 40 screen pixels away; returns the milliseconds of each move until it was painted.
std::vector<double> TimedDrag(QWidget* canvas, QPointF from, int moves);

double Median(std::vector<double> values);

// Before the QApplication is made: the offscreen platform, unless the caller chose one.
void PreferOffscreenPlatform();

// --polygons N from the command line, within what a map holds; 2000 without it.
int PolygonsFromArguments(int argc, char* argv[]);
