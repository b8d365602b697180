#include "canvas/CanvasWidget.h"

#include "document/ImagemapDocument.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <climits>
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

// Touchpads and scaled screens report fractions of a pixel; the canvas works on the whole
// pixel under the pointer.
int64_t WholePixel(qreal coordinate)
{
    return static_cast<int64_t>(std::floor(std::clamp<qreal>(coordinate, -1e15, 1e15)));
}

} // namespace

CanvasWidget::CanvasWidget(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent); // every exposed pixel is painted
    resize(0, 0);
    connect(&m_picture, &ZoomedPicture::CopyMade, this, [this](const ZoomMapping& zoom) {
        if (zoom == m_zoom)
            update();
    });
}

void CanvasWidget::SetPicture(const QImage& image)
{
    m_picture.SetPicture(image);
    m_zoom = ZoomMapping();
    resize(m_picture.Size());
    update();
    emit ZoomChanged();
}

void CanvasWidget::SetZoom(const ZoomMapping& zoom)
{
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    m_picture.Prepare(zoom);
    resize(zoom.ScreenSize(m_picture.Size()));
    update();
    emit ZoomChanged();
}

void CanvasWidget::SetMousePointer(MousePointer pointer)
{
    m_mousePointer = pointer;
    setCursor(CursorFor(pointer));
}

void CanvasWidget::Present(const ImagemapDocument& map)
{
    m_lastRepaint = RepaintRect(m_display.Present(map));
    if (!m_lastRepaint.isEmpty())
        update(m_lastRepaint);
}

QRect CanvasWidget::RepaintRect(const QRectF& pictureDamage) const
{
    if (pictureDamage.isEmpty())
        return QRect();
    QRectF screen = m_zoom.ScreenRect(pictureDamage);
    // Below 100 % the damage's margins shrink under a pixel, but the pens stay a pixel wide.
    if (m_zoom.Factor() < 1)
        screen.adjust(-1, -1, 1, 1);
    return PaintableRect(screen).intersected(rect());
}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    const QRect exposed = event->rect();
    QPainter painter(this);
    if (m_picture.HasAlpha() || m_picture.IsNull())
        painter.fillRect(exposed, palette().window());
    m_picture.Draw(painter, exposed, m_zoom);

    // What is drawn above the picture is kept in picture pixels, so the exposed part is taken
    // there to cull, with a screen pixel to spare for pens at fractional positions.
    const QRectF area = m_zoom.PictureRect(QRectF(exposed).adjusted(-1, -1, 1, 1));
    // The painter puts a one-pixel pen at x in pixel floor(x); half a pixel on, a point lands
    // in the pixel that shows it, where the mouse also finds it (ZoomMapping::ScreenPixelAt),
    // and a point meant for a pixel's centre is safe from rounding either way.
    painter.translate(0.5, 0.5);
    // The marker is part of the window's design, so it lies below the areas made at run time.
    PaintOutline(painter, m_display.PolyShape(), area);
    const std::vector<ShapeControl>& boxes = m_display.Boxes();
    for (size_t i = 1; i < boxes.size(); ++i)
        PaintOutline(painter, boxes[i], area);
    PaintLines(painter, area);
}

void CanvasWidget::PaintOutline(QPainter& painter, const ShapeControl& shape, const QRectF& area) const
{
    if (!shape.Visible || !CanvasDisplay::OutlineBounds(shape).intersects(area))
        return;
    painter.setPen(QPen(ToQColor(shape.BorderColor), std::max<int>(shape.BorderWidth, 1)));
    painter.setBrush(Qt::NoBrush);
    const QRectF box = m_zoom.ScreenRect(QRectF(shape.Left, shape.Top, shape.Width, shape.Height));
    if (shape.Shape == kCircleShape) {
        // The circle sits in the middle of the box, its diameter the shorter side.
        const qreal diameter = std::min(box.width(), box.height());
        painter.drawEllipse(box.center(), diameter / 2.0, diameter / 2.0);
    } else {
        painter.drawRect(box);
    }
}

void CanvasWidget::PaintLines(QPainter& painter, const QRectF& area) const
{
    // Whole runs of joined lines are culled against the exposed rectangle and drawn as
    // polylines, which the raster engine draws much faster than separate lines; order is
    // kept, so later lines still lie on top. A run's points are mapped to the screen only
    // when it is drawn.
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
        if (m_zoom.IsIdentity()) {
            painter.drawPolyline(&points[run.first], static_cast<int>(run.count));
            continue;
        }
        m_screenPoints.resize(run.count);
        for (uint32_t k = 0; k < run.count; ++k)
            m_screenPoints[k] = m_zoom.ScreenPoint(points[run.first + k]);
        painter.drawPolyline(m_screenPoints.data(), static_cast<int>(run.count));
    }
}

QPointF CanvasWidget::PicturePixelAt(const QPointF& position) const
{
    return QPointF(static_cast<qreal>(m_zoom.PicturePixel(WholePixel(position.x()))),
        static_cast<qreal>(m_zoom.PicturePixel(WholePixel(position.y()))));
}

void CanvasWidget::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = PicturePixelAt(event->position());
    emit MouseDown(static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event)
{
    PointerAt(event->position());
}

void CanvasWidget::PointerAt(const QPointF& position)
{
    const QPointF p = PicturePixelAt(position);
    const auto screen = [](qreal coordinate) {
        return static_cast<int>(std::clamp<int64_t>(WholePixel(coordinate), INT_MIN, INT_MAX));
    };
    emit MouseMove(
        static_cast<float>(p.x()), static_cast<float>(p.y()), QPoint(screen(position.x()), screen(position.y())));
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF p = PicturePixelAt(event->position());
    const int64_t x = WholePixel(event->position().x());
    const int64_t y = WholePixel(event->position().y());
    emit MouseUp(static_cast<float>(p.x()), static_cast<float>(p.y()), x >= 0 && y >= 0 && x < width() && y < height());
}
