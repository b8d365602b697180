#include "canvas/CanvasWidget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QColor ToQColor(Rgb colour)
{
    return QColor(colour.r, colour.g, colour.b);
}

Qt::CursorShape CursorFor(MousePointer pointer)
{
    switch (pointer) {
    case MousePointer::Cross:
        return Qt::CrossCursor;
    case MousePointer::SizeNESW:
        return Qt::SizeBDiagCursor;
    case MousePointer::SizeNS:
        return Qt::SizeVerCursor;
    case MousePointer::SizeNWSE:
        return Qt::SizeFDiagCursor;
    case MousePointer::SizeWE:
        return Qt::SizeHorCursor;
    case MousePointer::SizeAll:
        return Qt::SizeAllCursor;
    case MousePointer::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

int ButtonMask(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
        | (buttons & Qt::MiddleButton ? 4 : 0);
}

int ShiftMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

// The pixels a box's outline can touch, its pen width included.
QRectF ShapeBounds(const BoxArea& shape)
{
    const qreal margin = std::max<int>(shape.BorderWidth, 1) + 1;
    return QRectF(shape.Left, shape.Top, shape.Width, shape.Height).adjusted(-margin, -margin, margin, margin);
}

QRect PaintableRect(const QRectF& bounds)
{
    if (bounds.isEmpty())
        return QRect();
    // Keep far-off coordinates within int range; anything beyond the canvas is clipped anyway.
    const QRectF limit(-1e8, -1e8, 2e8, 2e8);
    return bounds.intersected(limit).toAlignedRect();
}

} // namespace

CanvasWidget::CanvasWidget(const ImagemapDocument& doc, QWidget* parent)
    : QWidget(parent)
    , m_doc(doc)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent); // every exposed pixel is painted
    m_polyShape.Shape = kCircleShape;
    resize(0, 0);
}

void CanvasWidget::SetPicture(const QImage& image)
{
    m_pictureHasAlpha = image.hasAlphaChannel();
    m_picture = QPixmap::fromImage(image);
    resize(m_picture.size());
    Refresh();
}

void CanvasWidget::Refresh()
{
    m_overlay.Clear();
    m_overlay.TakeNewBounds();
    m_refreshPending = true;
    ScheduleSync();
}

void CanvasWidget::Line(float x1, float y1, float x2, float y2)
{
    // When a Refresh is pending the whole canvas is painted anyway, so the lines'
    // extent need not be tracked.
    m_overlay.Append(x1, y1, x2, y2, m_foreColor, !m_refreshPending);
    ScheduleSync();
}

void CanvasWidget::LineChain(const int16_t* x, const int16_t* y, int vertexCount)
{
    m_overlay.AppendChain(x, y, vertexCount, m_foreColor, !m_refreshPending);
    ScheduleSync();
}

void CanvasWidget::SetMousePointer(MousePointer pointer)
{
    m_mousePointer = pointer;
    setCursor(CursorFor(pointer));
}

void CanvasWidget::MovePolyShape(int16_t left, int16_t top, int16_t width, int16_t height)
{
    const QRectF before = ShapeBounds(m_polyShape);
    m_polyShape.Left = left;
    m_polyShape.Top = top;
    m_polyShape.Width = width;
    m_polyShape.Height = height;
    if (m_polyShape.Visible)
        update(PaintableRect(before.united(ShapeBounds(m_polyShape))));
}

void CanvasWidget::SetPolyShapeVisible(bool visible)
{
    if (m_polyShape.Visible == visible)
        return;
    m_polyShape.Visible = visible;
    update(PaintableRect(ShapeBounds(m_polyShape)));
}

void CanvasWidget::DocumentChanged()
{
    ScheduleSync();
}

void CanvasWidget::ScheduleSync()
{
    // Many lines are drawn per event; one deferred update covers them all.
    if (m_syncScheduled)
        return;
    m_syncScheduled = true;
    QMetaObject::invokeMethod(this, &CanvasWidget::Sync, Qt::QueuedConnection);
}

void CanvasWidget::Sync()
{
    m_syncScheduled = false;
    const QRectF shapes = ChangedShapeBounds();
    const QRectF lines = m_overlay.TakeNewBounds();
    if (m_refreshPending) {
        m_refreshPending = false;
        update();
        return;
    }
    const QRectF dirty = shapes.isNull() ? lines : (lines.isNull() ? shapes : shapes.united(lines));
    if (!dirty.isNull())
        update(PaintableRect(dirty));
}

QRectF CanvasWidget::ChangedShapeBounds()
{
    const std::vector<BoxArea>& now = m_doc.Shape;
    QRectF dirty;
    const size_t count = std::max(now.size(), m_shownShapes.size());
    for (size_t i = 1; i < count; ++i) {
        const BoxArea* before = i < m_shownShapes.size() ? &m_shownShapes[i] : nullptr;
        const BoxArea* after = i < now.size() ? &now[i] : nullptr;
        if (before && after && *before == *after)
            continue;
        if (before && before->Visible)
            dirty = dirty.united(ShapeBounds(*before));
        if (after && after->Visible)
            dirty = dirty.united(ShapeBounds(*after));
    }
    m_shownShapes = now;
    return dirty;
}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    const QRect exposed = event->rect();
    QPainter painter(this);
    if (m_pictureHasAlpha || m_picture.isNull())
        painter.fillRect(exposed, palette().window());
    if (!m_picture.isNull())
        painter.drawPixmap(exposed, m_picture, exposed);

    // The marker is part of the window's design, so it lies below the run-time areas.
    PaintShape(painter, m_polyShape, exposed);
    for (int i = 1; i <= m_doc.boxCount && static_cast<size_t>(i) < m_doc.Shape.size(); ++i)
        PaintShape(painter, m_doc.Shape[static_cast<size_t>(i)], exposed);
    PaintOverlay(painter, exposed);
}

void CanvasWidget::PaintShape(QPainter& painter, const BoxArea& shape, const QRect& exposed) const
{
    if (!shape.Visible || !ShapeBounds(shape).intersects(exposed))
        return;
    painter.setPen(QPen(ToQColor(shape.BorderColor), std::max<int>(shape.BorderWidth, 1)));
    painter.setBrush(Qt::NoBrush);
    if (shape.Shape == kCircleShape) {
        // The circle sits in the middle of the box, its diameter the shorter side.
        const qreal diameter = std::min(shape.Width, shape.Height);
        const QPointF centre(shape.Left + shape.Width / 2.0, shape.Top + shape.Height / 2.0);
        painter.drawEllipse(centre, diameter / 2.0, diameter / 2.0);
    } else {
        painter.drawRect(QRectF(shape.Left, shape.Top, shape.Width, shape.Height));
    }
}

void CanvasWidget::PaintOverlay(QPainter& painter, const QRect& exposed) const
{
    // Whole runs of joined lines are culled against the exposed rectangle and drawn as
    // polylines, which the raster engine draws much faster than separate lines; order
    // is kept, so later lines still lie on top.
    const QRectF area = QRectF(exposed).adjusted(-1, -1, 1, 1);
    const std::vector<QPointF>& points = m_overlay.Points();
    bool penSet = false;
    Rgb penColour {};
    for (const OverlayLines::Run& run : m_overlay.Runs()) {
        if (run.right < area.left() || run.left > area.right() || run.bottom < area.top() || run.top > area.bottom())
            continue;
        if (!penSet || run.colour != penColour) {
            painter.setPen(QPen(ToQColor(run.colour), 1));
            penColour = run.colour;
            penSet = true;
        }
        painter.drawPolyline(&points[run.first], static_cast<int>(run.count));
    }
}

void CanvasWidget::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    emit MouseDown(ButtonMask(event->button()), ShiftMask(event->modifiers()), static_cast<float>(p.x()),
        static_cast<float>(p.y()));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    emit MouseMove(ButtonMask(event->buttons()), ShiftMask(event->modifiers()), static_cast<float>(p.x()),
        static_cast<float>(p.y()));
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    emit MouseUp(ButtonMask(event->button()), ShiftMask(event->modifiers()), static_cast<float>(p.x()),
        static_cast<float>(p.y()));
    if (rect().contains(p.toPoint()))
        emit Click();
}
