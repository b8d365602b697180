#pragma once

#include "display/ZoomMapping.h"

#include <QObject>
#include <QPoint>

#include <cstdint>

class MainForm;

// The zoom of the main window's canvas. Ctrl and the wheel step around the pointer; Ctrl with
// + or - steps around the viewport's centre, Ctrl+0 shows 100 % and Ctrl+9 the whole picture.
// Each zoom lays the window out again, so the bars cover the zoomed picture, and keeps the
// picture under the chosen point where it was. The status bar's zoom panel shows the level.
class CanvasZoom : public QObject {
    Q_OBJECT
public:
    explicit CanvasZoom(MainForm& form);

    // A key the main window saw before the focused control, in Form_KeyDown's codes. The zoom
    // keys act unless a text box has the focus.
    void KeyDown(int16_t keyCode, int16_t shift);

    // Shows the picture at zoom, keeping the picture under anchor, a point of the viewport's
    // client area, in place as far as the scroll ranges allow.
    void ZoomTo(const ZoomMapping& zoom, QPoint anchor);
    void StepAround(int steps, QPoint anchor);
    void FitInView();
    QPoint ViewportCentre() const;

private:
    QSize RoomWithoutBars() const;
    void ShowLevel();

    MainForm& m_form;
};
