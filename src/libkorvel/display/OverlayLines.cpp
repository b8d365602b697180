#include "display/OverlayLines.h"

#include <algorithm>
#include <cstring>

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

void OverlayLines::Append(float x1, float y1, float x2, float y2, Rgb colour)
{
    AddPoint(RunFrom(x1, y1, colour), x2, y2);
}

void OverlayLines::AppendChain(const int16_t* x, const int16_t* y, int vertexCount, Rgb colour)
{
    if (vertexCount < 2)
        return;
    // No reserve for the chain: reserving exactly its size would reallocate the whole list
    // for every polygon of a redraw that outgrows it, while growing as it goes doubles it.
    Run& run = RunFrom(x[0], y[0], colour);
    // The extent in locals: every point of every polygon passes here on each redraw.
    float left = run.left, top = run.top, right = run.right, bottom = run.bottom;
    for (int k = 1; k < vertexCount; ++k) {
        const float px = x[k], py = y[k];
        m_points.emplace_back(px, py);
        left = std::min(left, px);
        right = std::max(right, px);
        top = std::min(top, py);
        bottom = std::max(bottom, py);
    }
    run.count += static_cast<uint32_t>(vertexCount - 1);
    run.left = left;
    run.top = top;
    run.right = right;
    run.bottom = bottom;
}

QRectF OverlayLines::Extent(size_t index) const
{
    // A one-pixel line covers the pixel at its end point too; one more pixel all round
    // keeps the rounding of fractional ends inside.
    const Run& run = m_runs[index];
    return QRectF(QPointF(run.left - 1, run.top - 1), QPointF(run.right + 2, run.bottom + 2));
}

bool OverlayLines::SameRun(size_t a, const OverlayLines& other, size_t b) const
{
    const Run& mine = m_runs[a];
    const Run& theirs = other.m_runs[b];
    if (mine.count != theirs.count || mine.colour != theirs.colour || mine.left != theirs.left || mine.top != theirs.top
        || mine.right != theirs.right || mine.bottom != theirs.bottom)
        return false;
    // Bit for bit: QPointF's own == is fuzzy and several times slower, and a point that
    // differs in the last bit is drawn again, which is harmless.
    return std::memcmp(m_points.data() + mine.first, other.m_points.data() + theirs.first,
               mine.count * sizeof(QPointF))
        == 0;
}
