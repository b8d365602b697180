#pragma once

#include "display/CanvasDisplay.h"
#include "editing/EditorView.h"

#include <QPixmap>
#include <QWidget>

struct ImagemapDocument;
class QImage;

// The canvas: the picture at one unit per picture pixel, and above it what its display
// holds (box outlines in index order, the polygon-closing marker, the overlay's lines). It
// repaints only the part that Present reports as changed, and reports mouse events in whole
// picture pixels.
class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    explicit CanvasWidget(QWidget* parent = nullptr);

    // Shows a new picture and takes its size.
    void SetPicture(const QImage& image);
    bool HasPicture() const { return !m_picture.isNull(); }

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

signals:
    // Positions in whole picture pixels: the pixel under the pointer.
    void MouseDown(float x, float y);
    void MouseMove(float x, float y);
    // clicked: the release ends a click, a press and release both on the canvas.
    void MouseUp(float x, float y, bool clicked);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void PaintOutline(QPainter& painter, const ShapeControl& shape, const QRect& exposed) const;
    void PaintLines(QPainter& painter, const QRect& exposed) const;

    QPixmap m_picture;
    bool m_pictureHasAlpha = false;
    CanvasDisplay m_display;
    MousePointer m_mousePointer = MousePointer::Arrow;
    QRect m_lastRepaint;
};
