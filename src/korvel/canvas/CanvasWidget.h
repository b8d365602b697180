#pragma once

#include "canvas/ZoomedPicture.h"
#include "display/CanvasDisplay.h"
#include "display/ZoomMapping.h"
#include "editing/EditorView.h"

#include <QWidget>

#include <vector>

struct ImagemapDocument;
class QImage;

// The canvas: the picture at its zoom, and above it what its display holds (box outlines in
// index order, the polygon-closing marker, the overlay's lines), whose pens keep one screen
// pixel at every zoom. Its size is the zoomed picture's. Everything it is given and reports
// is in picture pixels; its zoom mapping alone turns them into its own pixels and back, for
// painting, for the parts to repaint and for the mouse. It repaints only the part that
// Present reports as changed.
class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    explicit CanvasWidget(QWidget* parent = nullptr);

    // Shows a new picture at 100 % and takes its size.
    void SetPicture(const QImage& image);
    bool HasPicture() const { return !m_picture.IsNull(); }
    QSize PictureSize() const { return m_picture.Size(); }

    // Shows the picture at another zoom and takes the zoomed size; its position is the
    // caller's.
    void SetZoom(const ZoomMapping& zoom);
    const ZoomMapping& Zoom() const { return m_zoom; }
    const ZoomedPicture& Picture() const { return m_picture; }

    // What the editing code draws into.
    CanvasDisplay& Display() { return m_display; }
    const CanvasDisplay& Display() const { return m_display; }
    void SetMousePointer(MousePointer pointer);
    MousePointer CurrentMousePointer() const { return m_mousePointer; }

    // Makes the screen match the map's boxes and the lines drawn: the part that looks
    // different is painted again at the next turn of the event loop.
    void Present(const ImagemapDocument& map);
    // The part of the canvas the last Present asked to repaint, in widget pixels.
    QRect LastRepaint() const { return m_lastRepaint; }

    // Reports the pointer at position, in widget coordinates, as a mouse move there does.
    void PointerAt(const QPointF& position);

signals:
    // Positions in whole picture pixels: the pixel under the pointer. A move also tells the
    // widget's own pixel there.
    void MouseDown(float x, float y);
    void MouseMove(float x, float y, QPoint screen);
    // clicked: the release ends a click, a press and release both on the canvas.
    void MouseUp(float x, float y, bool clicked);
    // A new zoom, also the 100 % of a new picture.
    void ZoomChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // area: the exposed part in picture pixels, to cull with.
    void PaintOutline(QPainter& painter, const ShapeControl& shape, const QRectF& area) const;
    void PaintLines(QPainter& painter, const QRectF& area) const;
    QRect RepaintRect(const QRectF& pictureDamage) const;
    QPointF PicturePixelAt(const QPointF& position) const;

    ZoomedPicture m_picture;
    ZoomMapping m_zoom;
    mutable std::vector<QPointF> m_screenPoints; // a run's points on screen, reused by every paint
    CanvasDisplay m_display;
    MousePointer m_mousePointer = MousePointer::Arrow;
    QRect m_lastRepaint;
};
