#include "canvas/CanvasWidget.h"

#include "document/ImagemapDocument.h"

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

QRect PaintableRect(const QRectF& bounds)
{
    if (bounds.isEmpty())
        return QRect();
    // Keep far-off coordinates within int range; anything beyond the canvas is clipped anyway.
    const QRectF limit(-1e8, -1e8, 2e8, 2e8);
    return bounds.intersected(limit).toAlignedRect();
}

// Touchpads and scaled screens report fractions of a pixel; the editor works on the pixel
// under the pointer.
float WholePixel(qreal coordinate)
{
    return static_cast<float>(std::floor(coordinate));
}

} // namespace

CanvasWidget::CanvasWidget(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent); // every exposed pixel is painted
    resize(0, 0);
}

void CanvasWidget::SetPicture(const QImage& image)
{
    m_pictureHasAlpha = image.hasAlphaChannel();
    m_picture = QPixmap::fromImage(image);
    resize(m_picture.size());
    update();
}

void CanvasWidget::SetMousePointer(MousePointer pointer)
{
    m_mousePointer = pointer;
    setCursor(CursorFor(pointer));
}

void CanvasWidget::Present(const ImagemapDocument& map)
{
    m_lastRepaint = PaintableRect(m_display.Present(map)).intersected(rect());
    if (!m_lastRepaint.isEmpty())
        update(m_lastRepaint);
}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    const QRect exposed = event->rect();
    QPainter painter(this);
    if (m_pictureHasAlpha || m_picture.isNull())
        painter.fillRect(exposed, palette().window());
    if (!m_picture.isNull())
        painter.drawPixmap(exposed, m_picture, exposed);

    // The marker is part of the window's design, so it lies below the areas made at run time.
    PaintOutline(painter, m_display.PolyShape(), exposed);
    const std::vector<ShapeControl>& boxes = m_display.Boxes();
    for (size_t i = 1; i < boxes.size(); ++i)
        PaintOutline(painter, boxes[i], exposed);
    PaintLines(painter, exposed);
}

void CanvasWidget::PaintOutline(QPainter& painter, const ShapeControl& shape, const QRect& exposed) const
{
    if (!shape.Visible || !CanvasDisplay::OutlineBounds(shape).intersects(exposed))
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

void CanvasWidget::PaintLines(QPainter& painter, const QRect& exposed) const
{
    // Whole runs of joined lines are culled against the exposed rectangle and drawn as
    // polylines, which the raster engine draws much faster than separate lines; order is
    // kept, so later lines still lie on top.
    const QRectF area = QRectF(exposed).adjusted(-1, -1, 1, 1);
    const OverlayLines& lines = m_display.Lines();
    const std::vector<QPointF>& points = lines.Points();
    bool penSet = false;
    Rgb penColour {};
    for (const OverlayLines::Run& run : lines.Runs()) {
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
    emit MouseDown(WholePixel(p.x()), WholePixel(p.y()));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    emit MouseMove(WholePixel(p.x()), WholePixel(p.y()));
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    const float x = WholePixel(p.x());
    const float y = WholePixel(p.y());
    emit MouseUp(x, y, x >= 0 && y >= 0 && x < width() && y < height());
}
