#pragma once

#include "document/Colours.h"

#include <QPointF>
#include <QRectF>

#include <cstdint>
#include <vector>

// The canvas's transient layer: the lines drawn since the last repaint, each in the pen
// colour it was drawn with, in drawing order (later lines lie on top). Lines that join
// end to start in one colour, as a polygon's edges do, are kept as one run of points
// with its extent, so that painting culls and draws a whole run at a time.
class OverlayLines {
public:
    struct Run {
        Rgb colour;
        uint32_t first; // index of the run's first point
        uint32_t count; // at least 2
        float left, top, right, bottom;
    };

    void Clear();
    // trackNewBounds false skips the bookkeeping for TakeNewBounds, for when the whole
    // canvas is going to be painted anyway.
    void Append(float x1, float y1, float x2, float y2, Rgb colour, bool trackNewBounds = true);
    // The edges from each vertex to the next, as vertexCount - 1 calls of Append would add them.
    void AppendChain(const int16_t* x, const int16_t* y, int vertexCount, Rgb colour, bool trackNewBounds = true);

    const std::vector<Run>& Runs() const { return m_runs; }
    const std::vector<QPointF>& Points() const { return m_points; }
    size_t LineCount() const { return m_points.size() - m_runs.size(); }

    // The area covered by the lines appended since the last call, so that only that
    // part of the screen is painted again; null when none were appended.
    QRectF TakeNewBounds();

private:
    Run& RunFrom(float x, float y, Rgb colour);
    void AddPoint(Run& run, float x, float y);
    void GrowNewBounds(const Run& run);

    // Both keep their capacity across Clear: no allocation per redraw.
    std::vector<Run> m_runs;
    std::vector<QPointF> m_points;
    QRectF m_newBounds;
};
