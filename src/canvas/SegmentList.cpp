#include "canvas/SegmentList.h"

#include <algorithm>

void SegmentList::Clear()
{
    m_segments.clear();
}

void SegmentList::GrowNewBounds(float x1, float y1, float x2, float y2)
{
    const float left = std::min(x1, x2), right = std::max(x1, x2);
    const float top = std::min(y1, y2), bottom = std::max(y1, y2);
    if (!m_hasNew) {
        m_left = left, m_top = top, m_right = right, m_bottom = bottom;
        m_hasNew = true;
        return;
    }
    m_left = std::min(m_left, left);
    m_top = std::min(m_top, top);
    m_right = std::max(m_right, right);
    m_bottom = std::max(m_bottom, bottom);
}

QRectF SegmentList::TakeNewBounds()
{
    if (!m_hasNew)
        return QRectF();
    m_hasNew = false;
    // A one-pixel line covers the pixel at its end point too.
    return QRectF(QPointF(m_left, m_top), QPointF(m_right + 1, m_bottom + 1));
}
