#include "editing/ZoomKeys.h"

#include "editing/KeyboardCommands.h"

ZoomCommand ZoomCommandForKey(int16_t keyCode, int16_t shift)
{
    if ((shift & ShiftMask::Ctrl) == 0)
        return ZoomCommand::None;
    switch (keyCode) {
    case KeyCode::Plus:
        return ZoomCommand::StepIn;
    case KeyCode::Minus:
        return ZoomCommand::StepOut;
    case KeyCode::Digit0:
        return ZoomCommand::ActualSize;
    case KeyCode::Digit9:
        return ZoomCommand::FitInView;
    default:
        return ZoomCommand::None;
    }
}
