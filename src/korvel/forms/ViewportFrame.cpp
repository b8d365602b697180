#include "forms/ViewportFrame.h"

#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// How far a wheel event asks to scroll, in pixels of the picture.
struct WheelTurn {
    double across = 0;
    double down = 0;
};

// A touchpad reports pixels; a wheel reports eighths of a degree, 120 to the notch, and a
// notch moves one arrow step of the bar. Shift turns the vertical wheel into a sideways one.
WheelTurn TurnOf(const QWheelEvent& event, const QScrollBar* horizontal, const QScrollBar* vertical)
{
    const bool inPixels = !event.pixelDelta().isNull();
    const QPoint delta = inPixels ? event.pixelDelta() : event.angleDelta();
    const auto scale = [inPixels](const QScrollBar* bar) {
        return inPixels || !bar ? 1.0 : double(bar->singleStep()) / QWheelEvent::DefaultDeltasPerStep;
    };
    WheelTurn turn;
    if (event.modifiers() & Qt::ShiftModifier) {
        turn.across = (delta.y() != 0 ? delta.y() : delta.x()) * scale(horizontal);
        return turn;
    }
    turn.across = delta.x() * scale(horizontal);
    turn.down = delta.y() * scale(vertical);
    return turn;
}

} // namespace

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
    const WheelTurn turn = TurnOf(*event, m_horizontal, m_vertical);
    const bool across = ScrollBy(m_horizontal, turn.across, m_pendingAcross);
    const bool down = ScrollBy(m_vertical, turn.down, m_pendingDown);
    event->setAccepted(across || down);
}

// Turning the wheel up or left (positive deltas) brings the picture's top or left edge
// nearer, which is towards the start of the bar. Returns whether the bar could take it.
bool ViewportFrame::ScrollBy(QScrollBar* bar, double pixels, double& pending)
{
    if (!bar || !bar->isVisible() || pixels == 0)
        return false;
    // No turn moves further than the whole bar, however wild its figures.
    const double span = double(bar->maximum()) - bar->minimum() + 1;
    pending = std::clamp(pending - pixels, -span, span);
    const int whole = static_cast<int>(std::trunc(pending));
    pending -= whole;
    bar->setValue(bar->value() + whole);
    // Turning on past an end must not store up a move the other way.
    if (bar->value() == bar->minimum() || bar->value() == bar->maximum())
        pending = 0;
    return true;
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
