#pragma once

#include <cstdint>

// The zoom's keys, in the key codes of Form_KeyDown: Ctrl with + or = zooms in, Ctrl with -
// zooms out, Ctrl+0 shows the picture at 100 % and Ctrl+9 fits it in the viewport. Shift
// and Alt do not matter (+ is a shifted = on many keyboards). The main window does nothing
// with them while a text box has the focus, as with every other key of the canvas.
namespace KeyCode {
constexpr int16_t Digit0 = 48;
constexpr int16_t Digit9 = 57;
constexpr int16_t Plus = 187; // the + and = key, and the keypad's +
constexpr int16_t Minus = 189; // the - key, and the keypad's -
} // namespace KeyCode

enum class ZoomCommand { None, StepIn, StepOut, ActualSize, FitInView };

ZoomCommand ZoomCommandForKey(int16_t keyCode, int16_t shift);
