#pragma once

#include <QString>

// What the next mouse event on the canvas does.
enum class ToolMode {
    Arrow, // select and hover
    Rect, // the next press starts a rectangle
    Circle, // the next press starts a circle
    Poly, // clicks place polygon vertices
    Move, // dragging moves the selected area
    ResizeCorner, // a drag moves the hovered corner or vertex
    ResizeSide, // a drag moves the hovered side
};

// The mode's name as users and logs see it: "arrow", "rect", "circle", "poly",
// "move", "resize_corner", "resize_side".
QString ToolModeName(ToolMode mode);
