#pragma once

#include <cstdint>

// What the main window's layout reads from its controls. Everything is in pixels of the
// window's client area.
struct LayoutInput {
    bool minimized = false;
    int formScaleWidth = 0; // client area of the main window
    int formScaleHeight = 0;
    int outerLeft = 0; // OuterPict position; the tool strip above it never moves
    int outerTop = 144;
    int outerWidth = 0; // OuterPict outer size now
    int outerHeight = 0;
    int outerScaleWidth = 0; // its client size now; outer minus client is its border
    int outerScaleHeight = 0;
    int innerWidth = 0; // InnerPict, which is the size of the image
    int innerHeight = 0;
    int statusBarHeight = 0;
    int barThickness = 17; // VBar's width, which is also HBar's height
};

struct ControlGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct LayoutResult {
    bool applies = false; // false while minimised: leave every control as it is
    ControlGeometry outerPict; // same left and top, new width and height
    int viewportScaleWidth = 0; // OuterPict's client size after the move (its border unchanged)
    int viewportScaleHeight = 0;
    bool hBarVisible = false;
    ControlGeometry hBar;
    bool vBarVisible = false;
    ControlGeometry vBar;
    bool updateScrollRanges = false; // at least one bar is visible
};

// Where the viewport and the two bars go when the main window changes size. Redrawing
// the overlay afterwards is the caller's job.
LayoutResult ComputeFormLayout(const LayoutInput& in);

// One bar's settings, in screen pixels. Max is below Min when the image is larger than the
// viewport: the bar's value is the canvas offset itself, 0 or negative. A zoomed picture can
// be far wider than 16 bits reach, so these are full integers.
struct ScrollRange {
    int Min = 0;
    int Max = 0;
    int SmallChange = 1;
    int LargeChange = 1;
};

struct ScrollRanges {
    ScrollRange hBar;
    ScrollRange vBar;
};

// The ranges of both bars for a viewport client size and the size of the picture as shown.
ScrollRanges ComputeScrollRanges(int viewportScaleWidth, int viewportScaleHeight, int innerWidth, int innerHeight);
