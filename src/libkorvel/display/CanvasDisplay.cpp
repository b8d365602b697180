#include "display/CanvasDisplay.h"

#include "document/ImagemapDocument.h"

#include <algorithm>

void CanvasDisplay::Refresh()
{
    m_next.Clear();
    m_refreshed = true;
}

void CanvasDisplay::Line(float x1, float y1, float x2, float y2)
{
    if (m_refreshed) {
        m_next.Append(x1, y1, x2, y2, m_foreColor);
        return;
    }
    m_shown.Append(x1, y1, x2, y2, m_foreColor);
    AddDamage(m_shown.Extent(m_shown.Runs().size() - 1));
}

void CanvasDisplay::LineChain(const int16_t* x, const int16_t* y, int vertexCount)
{
    if (vertexCount < 2)
        return;
    if (m_refreshed) {
        m_next.AppendChain(x, y, vertexCount, m_foreColor);
        return;
    }
    m_shown.AppendChain(x, y, vertexCount, m_foreColor);
    AddDamage(m_shown.Extent(m_shown.Runs().size() - 1));
}

void CanvasDisplay::MovePolyShape(float left, float top, float width, float height)
{
    const ShapeControl before = m_polyShape;
    m_polyShape.Left = left;
    m_polyShape.Top = top;
    m_polyShape.Width = width;
    m_polyShape.Height = height;
    if (m_polyShape.Visible && m_polyShape != before) {
        AddDamage(OutlineBounds(before));
        AddDamage(OutlineBounds(m_polyShape));
    }
}

void CanvasDisplay::SetPolyShapeVisible(bool visible)
{
    if (m_polyShape.Visible == visible)
        return;
    m_polyShape.Visible = visible;
    AddDamage(OutlineBounds(m_polyShape));
}

QRectF CanvasDisplay::Present(const ImagemapDocument& map)
{
    if (m_refreshed)
        DiffLines();
    DiffBoxes(map);
    const QRectF damage = m_damage;
    m_damage = QRectF();
    return damage;
}

void CanvasDisplay::AddDamage(const QRectF& rect)
{
    if (!rect.isEmpty())
        m_damage = m_damage.isNull() ? rect : m_damage.united(rect);
}

void CanvasDisplay::DiffLines()
{
    // New runs mostly repeat the old ones in order, with a few changed, added or removed
    // somewhere; only what lies between the common start and the common end differs.
    const size_t oldCount = m_shown.Runs().size();
    const size_t newCount = m_next.Runs().size();
    size_t head = 0;
    while (head < oldCount && head < newCount && m_shown.SameRun(head, m_next, head))
        ++head;
    size_t tail = 0;
    while (tail < oldCount - head && tail < newCount - head
        && m_shown.SameRun(oldCount - 1 - tail, m_next, newCount - 1 - tail))
        ++tail;
    for (size_t i = head; i < oldCount - tail; ++i)
        AddDamage(m_shown.Extent(i));
    for (size_t i = head; i < newCount - tail; ++i)
        AddDamage(m_next.Extent(i));
    m_shown.swap(m_next);
    m_next.Clear();
    m_refreshed = false;
}

void CanvasDisplay::DiffBoxes(const ImagemapDocument& map)
{
    const size_t count = std::min(static_cast<size_t>(map.boxCount) + 1, map.boxes.size());
    for (size_t i = 1; i < count; ++i) {
        const ShapeControl& now = map.boxes[i];
        if (i == m_boxes.size()) {
            m_boxes.push_back(now);
        } else {
            if (m_boxes[i] == now)
                continue;
            if (m_boxes[i].Visible)
                AddDamage(OutlineBounds(m_boxes[i]));
            m_boxes[i] = now;
        }
        if (now.Visible)
            AddDamage(OutlineBounds(now));
    }
    for (size_t i = count; i < m_boxes.size(); ++i) {
        if (m_boxes[i].Visible)
            AddDamage(OutlineBounds(m_boxes[i]));
    }
    m_boxes.resize(std::max<size_t>(count, 1));
}

QRectF CanvasDisplay::OutlineBounds(const ShapeControl& shape)
{
    const qreal margin = std::max<int>(shape.BorderWidth, 1) + 1;
    return QRectF(shape.Left, shape.Top, shape.Width, shape.Height).adjusted(-margin, -margin, margin, margin);
}
