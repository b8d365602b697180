#pragma once

#include "map/ImageMap.h"

#include <functional>

class MainWindow;

// What the benchmarks of the largest map and of whole windows share.

// The largest map Korvel holds: 32,766 rectangles and circles and 32,766 closed polygons of
// 7 corners (8 stored vertices), each with a URL and an alt text, on a 6000 x 5000 picture.
ImageMap largestMap();

// A photo-sized picture (smooth gradients, so that it compresses as a photo does), encoded in
// a format Qt writes ("jpg", "png", "bmp", "webp").
QByteArray largePicture(int width, int height, const char* format);

// The median of `runs` runs of work, in milliseconds.
double medianMilliseconds(int runs, const std::function<void()>& work);

// The process's memory in MB, as Linux counts it in /proc/self/status: "VmHWM" the most it has
// held so far, "VmRSS" what it holds now. resetPeakMemory starts the most anew at what it holds.
double memoryMegabytes(const char* field);
void resetPeakMemory();

// Opens a picture in the window as New Imagemap does and waits for it; true when it is shown.
bool openAndWait(MainWindow& window, const QString& path);
