#include "view/WheelTurns.h"

#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// How far a wheel event asks to scroll, in screen pixels.
struct WheelTurn {
    double across = 0;
    double down = 0;
};

// A touchpad reports pixels; a wheel reports eighths of a degree, 120 to the notch.
WheelTurn turnOf(const QWheelEvent& event, const QScrollBar* across, const QScrollBar* down)
{
    const bool inPixels = !event.pixelDelta().isNull();
    const QPoint delta = inPixels ? event.pixelDelta() : event.angleDelta();
    const auto scale = [inPixels](const QScrollBar* bar) {
        return inPixels ? 1.0 : double(bar->singleStep()) / QWheelEvent::DefaultDeltasPerStep;
    };
    if (event.modifiers() & Qt::ShiftModifier)
        return { (delta.y() != 0 ? delta.y() : delta.x()) * scale(across), 0 };
    return { delta.x() * scale(across), delta.y() * scale(down) };
}

// Turning up or left (positive deltas) brings the picture's top or left edge nearer, which is
// towards the start of the bar. Returns whether the bar could take it.
bool scrollBy(QScrollBar* bar, double pixels, double& pending)
{
    if (!bar->isVisible() || pixels == 0)
        return false;
    // No turn moves further than the whole bar, however wild its figures.
    const double span = double(bar->maximum()) - bar->minimum() + 1;
    pending = std::clamp(pending - pixels, -span, span);
    const int whole = static_cast<int>(std::trunc(pending));
    pending -= whole;
    bar->setValue(bar->value() + whole);
    // Turning on past an end must not store up a move; fractions towards the other end count.
    if ((pending < 0 && bar->value() == bar->minimum()) || (pending > 0 && bar->value() == bar->maximum()))
        pending = 0;
    return true;
}

} // namespace

bool WheelTurns::scroll(const QWheelEvent& event, QScrollBar* across, QScrollBar* down)
{
    const WheelTurn turn = turnOf(event, across, down);
    const bool tookAcross = scrollBy(across, turn.across, m_pendingAcross);
    const bool tookDown = scrollBy(down, turn.down, m_pendingDown);
    return tookAcross || tookDown;
}

int WheelTurns::zoomSteps(const QWheelEvent& event)
{
    return wholeNotches(m_zoomDelta, event.angleDelta().y());
}

int WheelTurns::settingSteps(const QWheelEvent& event)
{
    const QPoint angle = event.angleDelta();
    return wholeNotches(m_settingDelta, angle.y() != 0 ? angle.y() : angle.x());
}

int WheelTurns::wholeNotches(int& pending, int delta)
{
    // In 64 bits: no delta, however wild, overflows the sum.
    const int64_t sum = int64_t { pending } + delta;
    pending = static_cast<int>(sum % QWheelEvent::DefaultDeltasPerStep);
    return static_cast<int>(sum / QWheelEvent::DefaultDeltasPerStep);
}
