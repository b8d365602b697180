#include "display/OverlayLines.h"

#include <algorithm>

void OverlayLines::Clear()
{
    m_runs.clear();
    m_points.clear();
}

OverlayLines::Run& OverlayLines::RunFrom(float x, float y, Rgb colour)
{
    if (!m_runs.empty()) {
        Run& last = m_runs.back();
        const QPointF& end = m_points.back();
        if (last.colour == colour && end.x() == x && end.y() == y)
            return last;
    }
    m_runs.push_back({ colour, static_cast<uint32_t>(m_points.size()), 0, x, y, x, y });
    Run& run = m_runs.back();
    AddPoint(run, x, y);
    return run;
}

void OverlayLines::AddPoint(Run& run, float x, float y)
{
    m_points.emplace_back(x, y);
    ++run.count;
    run.left = std::min(run.left, x);
    run.right = std::max(run.right, x);
    run.top = std::min(run.top, y);
    run.bottom = std::max(run.bottom, y);
}

void OverlayLines::Append(float x1, float y1, float x2, float y2, Rgb colour, bool trackNewBounds)
{
    Run& run = RunFrom(x1, y1, colour);
    AddPoint(run, x2, y2);
    if (trackNewBounds)
        GrowNewBounds(run);
}

void OverlayLines::AppendChain(const int16_t* x, const int16_t* y, int vertexCount, Rgb colour, bool trackNewBounds)
{
    if (vertexCount < 2)
        return;
    Run& run = RunFrom(x[0], y[0], colour);
    m_points.reserve(m_points.size() + static_cast<size_t>(vertexCount));
    for (int k = 1; k < vertexCount; ++k)
        AddPoint(run, x[k], y[k]);
    if (trackNewBounds)
        GrowNewBounds(run);
}

void OverlayLines::GrowNewBounds(const Run& run)
{
    // A one-pixel line covers the pixel at its end point too.
    const QRectF extent(QPointF(run.left, run.top), QPointF(run.right + 1, run.bottom + 1));
    m_newBounds = m_newBounds.isNull() ? extent : m_newBounds.united(extent);
}

QRectF OverlayLines::TakeNewBounds()
{
    const QRectF bounds = m_newBounds;
    m_newBounds = QRectF();
    return bounds;
}
