#pragma once

#include <QFrame>

class QScrollBar;

// The viewport OuterPict: a bordered frame whose client area clips the canvas, which
// scrolls by moving inside it. The mouse wheel over it drives the scroll bars in proportion
// to how far it turns: a notch of a wheel moves one arrow step, a touchpad as many pixels as
// it reports. With Ctrl held it asks for zoom steps instead.
class ViewportFrame : public QFrame {
    Q_OBJECT
public:
    explicit ViewportFrame(QWidget* parent);

    // The widget inside the border that holds the canvas.
    QWidget* ClientArea() const { return m_client; }
    int ScaleWidth() const;
    int ScaleHeight() const;

    void SetScrollBars(QScrollBar* horizontal, QScrollBar* vertical);

signals:
    // Ctrl and the wheel: steps > 0 zoom in, around at, a point of the client area.
    void ZoomWheel(int steps, QPoint at);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool ScrollBy(QScrollBar* bar, double pixels, double& pending);
    void ZoomByWheel(QWheelEvent* event);

    QWidget* m_client;
    int m_zoomDelta = 0; // wheel turns towards the next zoom step, in eighths of a degree
    QScrollBar* m_horizontal = nullptr;
    QScrollBar* m_vertical = nullptr;
    // Parts of a pixel turned but not yet scrolled, so that fine steps add up exactly.
    double m_pendingAcross = 0;
    double m_pendingDown = 0;
};
