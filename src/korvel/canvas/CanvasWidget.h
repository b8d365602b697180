#pragma once

#include "display/OverlayLines.h"
#include "document/BoxArea.h"
#include "editing/EditorView.h"
#include "document/ImagemapDocument.h"

#include <QPixmap>
#include <QWidget>

#include <vector>

class QImage;

// The canvas: the picture at one unit per image pixel, the box areas of the document
// drawn as outlines in index (= z) order, the polygon-closing marker, and above them the
// transient lines of the overlay. It reports mouse events in canvas units.
class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    explicit CanvasWidget(const ImagemapDocument& doc, QWidget* parent = nullptr);

    // Shows a new picture and takes its size.
    void SetPicture(const QImage& image);
    bool HasPicture() const { return !m_picture.isNull(); }

    // The canvas operations of the editor's view.
    void Refresh();
    void SetForeColor(Rgb colour) { m_foreColor = colour; }
    Rgb ForeColor() const { return m_foreColor; }
    void Line(float x1, float y1, float x2, float y2);
    void LineChain(const int16_t* x, const int16_t* y, int vertexCount);
    void SetMousePointer(MousePointer pointer);
    MousePointer CurrentMousePointer() const { return m_mousePointer; }

    // The polygon-closing marker: a small circle outline, hidden until placed.
    void MovePolyShape(int16_t left, int16_t top, int16_t width, int16_t height);
    void SetPolyShapeVisible(bool visible);
    const BoxArea& PolyShape() const { return m_polyShape; }

    // Call after the document changed: the box areas that differ from what is on
    // screen are painted again (they are controls that repaint themselves; the
    // overlay lines stay until the next Refresh).
    void DocumentChanged();

    const OverlayLines& Overlay() const { return m_overlay; }
    // Makes pending changes visible now instead of at the next turn of the event loop.
    void SyncNow() { Sync(); }

signals:
    // Button and Shift as bit masks: 1 left, 2 right, 4 middle; 1 Shift, 2 Ctrl, 4 Alt.
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    // A press and release that both happened on the canvas.
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ScheduleSync();
    void Sync();
    QRectF ChangedShapeBounds();
    void PaintShape(QPainter& painter, const BoxArea& shape, const QRect& exposed) const;
    void PaintOverlay(QPainter& painter, const QRect& exposed) const;

    const ImagemapDocument& m_doc;
    QPixmap m_picture;
    bool m_pictureHasAlpha = false;
    OverlayLines m_overlay;
    Rgb m_foreColor = DefaultWindowTextColour;
    MousePointer m_mousePointer = MousePointer::Arrow;
    BoxArea m_polyShape;
    std::vector<BoxArea> m_shownShapes; // the box areas as last painted
    bool m_refreshPending = false;
    bool m_syncScheduled = false;
};
