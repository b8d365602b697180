#pragma once

class QScrollBar;
class QWheelEvent;

// The wheel over the canvas. Scrolling goes in proportion to the turn: a notch of a wheel
// moves one arrow step, a touchpad as many pixels as it reports, and parts of a pixel add up.
// Shift turns the vertical wheel into a sideways one. With Ctrl the wheel zooms, one level
// per whole notch, a touchpad's small turns adding up to notches; while the trace tool is
// armed it steps the tool's settings the same way.
class WheelTurns {
public:
    // Moves the visible bars; returns whether either could take the turn.
    bool scroll(const QWheelEvent& event, QScrollBar* across, QScrollBar* down);
    // The whole notches turned so far and not yet zoomed by; positive zooms in.
    int zoomSteps(const QWheelEvent& event);
    // The same for a setting; positive is up (or left, where a platform turns the wheel
    // sideways for Shift).
    int settingSteps(const QWheelEvent& event);

private:
    static int wholeNotches(int& pending, int delta);

    double m_pendingAcross = 0;
    double m_pendingDown = 0;
    int m_zoomDelta = 0; // eighths of a degree towards the next zoom step
    int m_settingDelta = 0;
};
