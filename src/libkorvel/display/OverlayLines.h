#pragma once

#include "document/Colours.h"

#include <QPointF>
#include <QRectF>

#include <cstdint>
#include <vector>

// A list of lines, each in the pen colour it was drawn with, in drawing order (later lines
// lie on top). Lines that join end to start in one colour, as a polygon's edges do, are
// kept as one run of points with its extent, so that a whole run is culled, compared and
// drawn at a time.
class OverlayLines {
public:
    struct Run {
        Rgb colour;
        uint32_t first; // index of the run's first point
        uint32_t count; // at least 2
        float left, top, right, bottom;
    };

    void Clear();
    void Append(float x1, float y1, float x2, float y2, Rgb colour);
    // The edges from each vertex to the next, as vertexCount - 1 calls of Append would add them.
    void AppendChain(const int16_t* x, const int16_t* y, int vertexCount, Rgb colour);

    const std::vector<Run>& Runs() const { return m_runs; }
    const std::vector<QPointF>& Points() const { return m_points; }
    size_t LineCount() const { return m_points.size() - m_runs.size(); }

    // The pixels run number index covers, a one-pixel pen included.
    QRectF Extent(size_t index) const;
    // True when run a of this list and run b of other draw exactly the same lines.
    bool SameRun(size_t a, const OverlayLines& other, size_t b) const;

    void swap(OverlayLines& other) noexcept
    {
        m_runs.swap(other.m_runs);
        m_points.swap(other.m_points);
    }

private:
    Run& RunFrom(float x, float y, Rgb colour);
    void AddPoint(Run& run, float x, float y);

    // Both keep their capacity across Clear: no allocation per redraw.
    std::vector<Run> m_runs;
    std::vector<QPointF> m_points;
};
