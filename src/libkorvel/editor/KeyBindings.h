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
    MoveEarlier, // the selected area, in the map's order
    MoveLater,
    MoveFirst,
    MoveLast,
    ShowAreaList, // the window's: they also work in the text boxes
    Preview,
};

struct KeyBinding {
    EditorCommand command;
    QList<QKeySequence> keys;
};

// The keys of each command. Shift and Alt change nothing: Shift+Delete deletes, Ctrl+Shift+C
// copies, Alt+Left nudges; only where Shift has a meaning of its own (Ctrl+Shift+Z redoes) it
// is not given to another command. The tools' letters go without Ctrl, which is for commands
// on areas. None of them works while a text box has the focus: there the keys edit the text;
// only F2 (the area list) and F3 (the preview) work everywhere.
const std::vector<KeyBinding>& editorKeyBindings();

// Whether the command is the window's own (the area list, the preview), which works wherever
// the focus is.
bool isWindowCommand(EditorCommand command);

// The table needs a QGuiApplication: standard keys come from the platform.
// Runs a command that acts on the map or the tools (every one but the zoom commands, which
// are the view's, and showing the area list and the preview, which are the window's).
void runEditorCommand(MapEditor& editor, EditorCommand command);
