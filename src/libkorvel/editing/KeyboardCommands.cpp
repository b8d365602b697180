#include "editing/KeyboardCommands.h"

#include "editing/AreaLifecycle.h"
#include "editing/DragEngine.h"
#include "editing/Overlay.h"
#include "editing/PropertiesPanel.h"

namespace {

enum class Command { None, Delete, Copy, Paste, Cut, Duplicate, NudgeLeft, NudgeRight, NudgeUp, NudgeDown };

// The first row of the key table that matches; a letter without Ctrl matches none.
Command CommandFor(int16_t keyCode, int16_t shift)
{
    const bool ctrl = (shift & ShiftMask::Ctrl) != 0;
    if (keyCode == KeyCode::Backspace || keyCode == KeyCode::Delete)
        return Command::Delete;
    if (ctrl && keyCode == KeyCode::C)
        return Command::Copy;
    if (ctrl && keyCode == KeyCode::V)
        return Command::Paste;
    if (ctrl && keyCode == KeyCode::X)
        return Command::Cut;
    if (ctrl && keyCode == KeyCode::D)
        return Command::Duplicate;
    switch (keyCode) {
    case KeyCode::Left:
        return Command::NudgeLeft;
    case KeyCode::Right:
        return Command::NudgeRight;
    case KeyCode::Up:
        return Command::NudgeUp;
    case KeyCode::Down:
        return Command::NudgeDown;
    default:
        return Command::None;
    }
}

// One canvas pixel, no bounds: an area may be pushed past the picture's edge.
void Nudge(Editor& editor, EditorView& view, const AreaRef& area, int dx, int dy)
{
    if (area.kind == AreaKind::Box) {
        ShapeControl& box = editor.map.box(area.index);
        MoveShape(box, double { box.Left } + dx, double { box.Top } + dy, box.Width, box.Height);
    } else {
        // Every stored vertex moves, the closing copy too, so a closed polygon stays closed.
        ShiftPolygon(editor.map.polygon(area.index), dx, dy);
    }
    RedrawOverlay(editor, view);
}

void Delete(Editor& editor, EditorView& view, const AreaRef& area)
{
    DeleteArea(editor, view, area.index, area.kind);
    if (area.kind == AreaKind::Polygon)
        RedrawOverlay(editor, view);
    ClearAreaProperties(editor, view);
}

void Copy(Editor& editor, const AreaRef& area)
{
    CopyAreaToClipboard(editor, area.index, area.kind);
    editor.state.clipKind = area.kind;
}

void RunOnSelection(Editor& editor, EditorView& view, Command command, const AreaRef& area)
{
    switch (command) {
    case Command::Delete:
        Delete(editor, view, area);
        break;
    case Command::Copy:
        Copy(editor, area);
        break;
    case Command::Cut:
        Copy(editor, area);
        DeleteArea(editor, view, area.index, area.kind);
        ClearAreaProperties(editor, view);
        break;
    case Command::Duplicate:
        DuplicateArea(editor, view, area.index, area.kind);
        break;
    case Command::NudgeLeft:
        Nudge(editor, view, area, -1, 0);
        break;
    case Command::NudgeRight:
        Nudge(editor, view, area, 1, 0);
        break;
    case Command::NudgeUp:
        Nudge(editor, view, area, 0, -1);
        break;
    case Command::NudgeDown:
        Nudge(editor, view, area, 0, 1);
        break;
    case Command::Paste:
    case Command::None:
        break;
    }
}

} // namespace

bool TypingInATextBox(const EditorView& view)
{
    const FocusedControl focus = view.KeyboardFocus();
    return focus == FocusedControl::HrefText || focus == FocusedControl::MapNameText
        || focus == FocusedControl::AltText;
}

void Form_KeyDown(Editor& editor, EditorView& view, int16_t keyCode, int16_t shift)
{
    if (TypingInATextBox(view))
        return;
    const Command command = CommandFor(keyCode, shift);
    AreaRef selected;
    if (editor.state.selBox >= 1)
        selected = { AreaKind::Box, editor.state.selBox };
    else if (editor.state.selPoly >= 1)
        selected = { AreaKind::Polygon, editor.state.selPoly };
    if (command == Command::Paste) {
        if (editor.state.clipKind != AreaKind::None)
            DuplicateArea(editor, view, 0, editor.state.clipKind);
    } else if (selected.kind != AreaKind::None) {
        RunOnSelection(editor, view, command, selected);
    }
    // In the middle of a drag, the drag goes on from the area and the selection as the
    // command left them.
    if (editor.state.buttonDown && command != Command::None && command != Command::Copy)
        RestartDrag(editor);
}
