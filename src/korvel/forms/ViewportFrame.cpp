#include "forms/ViewportFrame.h"

#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

ViewportFrame::ViewportFrame(QWidget* parent)
    : QFrame(parent)
    , m_client(new QWidget(this))
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    // Grey around the picture shows where the picture ends.
    m_client->setAutoFillBackground(true);
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, QColor(160, 160, 160));
    m_client->setPalette(palette);
    m_client->setGeometry(contentsRect());
}

int ViewportFrame::ScaleWidth() const
{
    return contentsRect().width();
}

int ViewportFrame::ScaleHeight() const
{
    return contentsRect().height();
}

void ViewportFrame::SetScrollBars(QScrollBar* horizontal, QScrollBar* vertical)
{
    m_horizontal = horizontal;
    m_vertical = vertical;
}

void ViewportFrame::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    m_client->setGeometry(contentsRect());
}

void ViewportFrame::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        ZoomByWheel(event);
        return;
    }
    // Shift or a sideways wheel scrolls across, as in other picture viewers. A notch
    // is one arrow step of the bar, a fifth of the viewport.
    const QPoint delta = event->angleDelta();
    const bool across = (event->modifiers() & Qt::ShiftModifier) || (delta.x() != 0 && delta.y() == 0);
    QScrollBar* bar = across ? m_horizontal : m_vertical;
    const int amount = delta.y() != 0 ? delta.y() : delta.x();
    if (!bar || !bar->isVisible() || amount == 0) {
        event->ignore();
        return;
    }
    const int notches = std::max(1, std::abs(amount) / QWheelEvent::DefaultDeltasPerStep);
    for (int i = 0; i < notches; ++i)
        bar->triggerAction(amount < 0 ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
    event->accept();
}

void ViewportFrame::ZoomByWheel(QWheelEvent* event)
{
    // Touchpads send many small turns: they add up until they make a whole notch.
    m_zoomDelta += event->angleDelta().y();
    const int steps = m_zoomDelta / QWheelEvent::DefaultDeltasPerStep;
    m_zoomDelta %= QWheelEvent::DefaultDeltasPerStep;
    event->accept();
    if (steps != 0)
        emit ZoomWheel(steps, m_client->mapFrom(this, event->position().toPoint()));
}
