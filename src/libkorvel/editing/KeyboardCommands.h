#pragma once

#include "editing/Editor.h"
#include "editing/EditorView.h"

// Key codes and modifier bits of Form_KeyDown.
namespace KeyCode {
constexpr int16_t Backspace = 8;
constexpr int16_t Left = 37;
constexpr int16_t Up = 38;
constexpr int16_t Right = 39;
constexpr int16_t Down = 40;
constexpr int16_t Delete = 46;
constexpr int16_t C = 67;
constexpr int16_t D = 68;
constexpr int16_t V = 86;
constexpr int16_t X = 88;
constexpr int16_t Y = 89;
constexpr int16_t Z = 90;
} // namespace KeyCode
namespace ShiftMask {
constexpr int16_t Shift = 1;
constexpr int16_t Ctrl = 2;
constexpr int16_t Alt = 4;
} // namespace ShiftMask

// The main window's key handler, which sees every key before the focused control: Delete
// or Backspace, Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+D and the arrows act on the selected area
// (Paste needs none), in that order of precedence, Shift and Alt ignored. While one of the
// three text boxes has the focus it does nothing, so that the keys keep their meaning there.
// The area clipboard is the editor's own; the system clipboard is not touched.
void Form_KeyDown(Editor& editor, EditorView& view, int16_t keyCode, int16_t shift);

// True while one of the three text boxes has the focus: keys are then the text box's own.
bool TypingInATextBox(const EditorView& view);
