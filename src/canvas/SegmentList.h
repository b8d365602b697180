#pragma once

#include "document/Colours.h"

#include <QRectF>

#include <vector>

// The canvas's transient layer: the lines drawn since the last repaint, each in the pen
// colour it was drawn with, in drawing order (later lines lie on top).
class SegmentList {
public:
    struct Segment {
        float x1, y1, x2, y2;
        Rgb colour;
    };

    void Clear();
    // trackBounds false skips the bookkeeping for TakeNewBounds, for when the whole
    // canvas is going to be painted anyway.
    // Inline: a redraw appends tens of thousands of lines.
    void Append(float x1, float y1, float x2, float y2, Rgb colour, bool trackBounds = true)
    {
        m_segments.push_back({x1, y1, x2, y2, colour});
        if (trackBounds)
            GrowNewBounds(x1, y1, x2, y2);
    }

    const std::vector<Segment>& Segments() const { return m_segments; }

    // The area covered by the lines appended since the last call, so that only that
    // part of the screen is painted again; empty when none were appended.
    QRectF TakeNewBounds();

private:
    void GrowNewBounds(float x1, float y1, float x2, float y2);

    std::vector<Segment> m_segments; // keeps its capacity across Clear: no allocation per redraw
    float m_left = 0, m_top = 0, m_right = 0, m_bottom = 0;
    bool m_hasNew = false;
};
