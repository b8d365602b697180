#pragma once

#include <QRect>
#include <QSize>

// What the main window's layout needs to know, in pixels of its client area.
struct LayoutInput {
    QSize window;
    int viewportTop = 144; // the rows of buttons and texts above it never move
    int border = 2; // the viewport frame's lines, both sides together
    QSize canvas; // the zoomed picture
    int statusBarHeight = 17;
    int barThickness = 17;
    int panelWidth = 0; // the area panel's, along the right edge; 0 while it is hidden
    int controlsRight = 465; // the rows of buttons and texts end there
    int panelTop = 40; // beside the texts, below the buttons, when there is room
};

// Where the viewport goes and which scroll bars it needs: the viewport fills the window below
// the rows of controls down to the status bar, less the bars and the area panel. A picture exactly as large as
// the room needs no bar; a vertical bar that narrows the room may bring a horizontal one, but
// not the other way round.
struct WindowLayout {
    QRect viewport; // the bordered viewport, left at 0
    QRect panel; // the area panel: beside the rows of texts when they leave it room, else beside the viewport
    bool horizontalBar = false;
    bool verticalBar = false;

    // The viewport with its bars beside it.
    QRect withBars(int barThickness) const
    {
        return viewport.adjusted(0, 0, verticalBar ? barThickness : 0, horizontalBar ? barThickness : 0);
    }
};

WindowLayout layOutWindow(const LayoutInput& in);
