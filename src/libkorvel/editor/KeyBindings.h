#pragma once

#include <QKeySequence>
#include <QList>

#include <vector>

class MapEditor;

// Every command a key gives, apart from opening and saving pages.
enum class EditorCommand {
    Delete,
    Copy,
    Cut,
    Paste,
    Duplicate,
    NudgeLeft,
    NudgeRight,
    NudgeUp,
    NudgeDown,
    Undo,
    Redo,
    ZoomIn,
    ZoomOut,
    ZoomActualSize,
    ZoomToFit,
    ArmRectangle,
    ArmCircle,
    ArmPolygon,
    ArmTrace,
    Disarm, // back to the arrow tool
};

struct KeyBinding {
    EditorCommand command;
    QList<QKeySequence> keys;
};

// The keys of each command. Shift and Alt change nothing: Shift+Delete deletes, Ctrl+Shift+C
// copies, Alt+Left nudges; only where Shift has a meaning of its own (Ctrl+Shift+Z redoes) it
// is not given to another command. The tools' letters go without Ctrl, which is for commands
// on areas. None of them works while a text box has the focus: there the keys edit the text.
const std::vector<KeyBinding>& editorKeyBindings();

// The table needs a QGuiApplication: standard keys come from the platform.
// Runs a command that acts on the map or the tools (every one but the zoom commands, which
// are the view's).
void runEditorCommand(MapEditor& editor, EditorCommand command);
