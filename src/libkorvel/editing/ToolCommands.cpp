#include "editing/ToolCommands.h"

namespace {

void ArmTool(Editor& editor, EditorView& view, ToolMode mode)
{
    editor.state.toolMode = mode;
    view.SetMousePointer(MousePointer::Cross);
}

} // namespace

void rectButton_Click(Editor& editor, EditorView& view)
{
    ArmTool(editor, view, ToolMode::Rect);
}

void circleButton_Click(Editor& editor, EditorView& view)
{
    ArmTool(editor, view, ToolMode::Circle);
}

void polyButton_Click(Editor& editor, EditorView& view)
{
    ArmTool(editor, view, ToolMode::Poly);
}

void StartNewMap(Editor& editor)
{
    ImagemapDocument& map = editor.map;
    EditorState& state = editor.state;
    for (int16_t i = 1; i <= map.boxCount; ++i)
        UnloadShape(map, i);
    map.boxCount = 0;
    map.polyCount = 0;
    state.selBox = 0;
    state.selPoly = 0;
    state.drawingBox = 0;
    state.buildingPoly = 0;
    GrowAreaArrays(map, true);
    GrowAreaArrays(map, false);
}
