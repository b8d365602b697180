#include "editor/KeyBindings.h"

#include "editor/MapEditor.h"

namespace {

// key with every combination of Shift and Alt added to the modifiers it needs.
QList<QKeySequence> withShiftAndAlt(QKeyCombination key, bool shift = true)
{
    QList<QKeySequence> keys;
    for (const Qt::KeyboardModifiers extra : { Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::AltModifier),
             Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::ShiftModifier | Qt::AltModifier }) {
        if (!shift && extra.testFlag(Qt::ShiftModifier))
            continue;
        keys << QKeySequence(QKeyCombination(key.keyboardModifiers() | extra, key.key()));
    }
    return keys;
}

// The standard sequence first, so that menus and tooltips show the one users know.
QList<QKeySequence> standardFirst(QKeySequence::StandardKey standard, QList<QKeySequence> keys)
{
    const QKeySequence first(standard);
    keys.removeAll(first);
    keys.prepend(first);
    return keys;
}

QList<QKeySequence> anyModifiers(Qt::Key key)
{
    // Ctrl changes nothing for the keys that need no Ctrl.
    return withShiftAndAlt(key) + withShiftAndAlt(Qt::ControlModifier | key);
}

} // namespace

const std::vector<KeyBinding>& editorKeyBindings()
{
    static const std::vector<KeyBinding> bindings {
        { EditorCommand::Delete, standardFirst(QKeySequence::Delete, anyModifiers(Qt::Key_Delete) + anyModifiers(Qt::Key_Backspace)) },
        { EditorCommand::Copy, standardFirst(QKeySequence::Copy, withShiftAndAlt(Qt::ControlModifier | Qt::Key_C)) },
        { EditorCommand::Cut, standardFirst(QKeySequence::Cut, withShiftAndAlt(Qt::ControlModifier | Qt::Key_X)) },
        { EditorCommand::Paste, standardFirst(QKeySequence::Paste, withShiftAndAlt(Qt::ControlModifier | Qt::Key_V)) },
        { EditorCommand::Duplicate, withShiftAndAlt(Qt::ControlModifier | Qt::Key_D) },
        { EditorCommand::NudgeLeft, anyModifiers(Qt::Key_Left) },
        { EditorCommand::NudgeRight, anyModifiers(Qt::Key_Right) },
        { EditorCommand::NudgeUp, anyModifiers(Qt::Key_Up) },
        { EditorCommand::NudgeDown, anyModifiers(Qt::Key_Down) },
        { EditorCommand::Undo, standardFirst(QKeySequence::Undo, withShiftAndAlt(Qt::ControlModifier | Qt::Key_Z, false)) },
        { EditorCommand::Redo,
            standardFirst(QKeySequence::Redo,
                withShiftAndAlt(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z)
                    + withShiftAndAlt(Qt::ControlModifier | Qt::Key_Y)) },
        { EditorCommand::ZoomIn,
            standardFirst(QKeySequence::ZoomIn,
                { QKeySequence(Qt::ControlModifier | Qt::Key_Plus), QKeySequence(Qt::ControlModifier | Qt::Key_Equal) }) },
        { EditorCommand::ZoomOut, standardFirst(QKeySequence::ZoomOut, { QKeySequence(Qt::ControlModifier | Qt::Key_Minus) }) },
        { EditorCommand::ZoomActualSize, { QKeySequence(Qt::ControlModifier | Qt::Key_0) } },
        { EditorCommand::ZoomToFit, { QKeySequence(Qt::ControlModifier | Qt::Key_9) } },
        { EditorCommand::ArmRectangle, withShiftAndAlt(Qt::Key_R) },
        { EditorCommand::ArmCircle, withShiftAndAlt(Qt::Key_C) },
        { EditorCommand::ArmPolygon, withShiftAndAlt(Qt::Key_P) },
        { EditorCommand::ArmTrace, withShiftAndAlt(Qt::Key_T) },
        { EditorCommand::Disarm, withShiftAndAlt(Qt::Key_Escape) },
        { EditorCommand::MoveEarlier, anyModifiers(Qt::Key_PageUp) },
        { EditorCommand::MoveLater, anyModifiers(Qt::Key_PageDown) },
        { EditorCommand::MoveFirst, anyModifiers(Qt::Key_Home) },
        { EditorCommand::MoveLast, anyModifiers(Qt::Key_End) },
        { EditorCommand::ShowAreaList, { QKeySequence(Qt::Key_F2) } },
        { EditorCommand::Preview, { QKeySequence(Qt::Key_F3) } },
    };
    return bindings;
}

bool isWindowCommand(EditorCommand command)
{
    return command == EditorCommand::ShowAreaList || command == EditorCommand::Preview;
}

void runEditorCommand(MapEditor& editor, EditorCommand command)
{
    switch (command) {
    case EditorCommand::Delete:
        return editor.deleteSelected();
    case EditorCommand::Copy:
        return editor.copySelected();
    case EditorCommand::Cut:
        return editor.cutSelected();
    case EditorCommand::Paste:
        return editor.paste();
    case EditorCommand::Duplicate:
        return editor.duplicateSelected();
    case EditorCommand::NudgeLeft:
        return editor.nudgeSelected(-1, 0);
    case EditorCommand::NudgeRight:
        return editor.nudgeSelected(1, 0);
    case EditorCommand::NudgeUp:
        return editor.nudgeSelected(0, -1);
    case EditorCommand::NudgeDown:
        return editor.nudgeSelected(0, 1);
    case EditorCommand::Undo:
        return editor.undo();
    case EditorCommand::Redo:
        return editor.redo();
    case EditorCommand::ArmRectangle:
        return editor.chooseTool(Tool::Rectangle);
    case EditorCommand::ArmCircle:
        return editor.chooseTool(Tool::Circle);
    case EditorCommand::ArmPolygon:
        return editor.chooseTool(Tool::Polygon);
    case EditorCommand::ArmTrace:
        return editor.chooseTool(Tool::Trace);
    case EditorCommand::Disarm:
        return editor.disarmTool();
    case EditorCommand::MoveEarlier:
        return editor.moveSelected(OrderMove::Earlier);
    case EditorCommand::MoveLater:
        return editor.moveSelected(OrderMove::Later);
    case EditorCommand::MoveFirst:
        return editor.moveSelected(OrderMove::First);
    case EditorCommand::MoveLast:
        return editor.moveSelected(OrderMove::Last);
    case EditorCommand::ZoomIn:
    case EditorCommand::ZoomOut:
    case EditorCommand::ZoomActualSize:
    case EditorCommand::ZoomToFit:
    case EditorCommand::ShowAreaList:
    case EditorCommand::Preview:
        break;
    }
}
