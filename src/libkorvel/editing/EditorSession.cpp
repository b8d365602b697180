#include "editing/EditorSession.h"

#include "editing/GenerateCommand.h"
#include "editing/Overlay.h"
#include "editing/ToolCommands.h"

void EditorSession::ChooseTool(ToolMode tool)
{
    Run([tool](Editor& editor, EditorView& view) {
        if (tool == ToolMode::Rect)
            rectButton_Click(editor, view);
        else if (tool == ToolMode::Circle)
            circleButton_Click(editor, view);
        else if (tool == ToolMode::Poly)
            polyButton_Click(editor, view);
    });
}

void EditorSession::Generate()
{
    Run(generateButton_Click);
}

void EditorSession::StartNewMap()
{
    Run([](Editor& editor, EditorView&) { ::StartNewMap(editor); });
}

void EditorSession::Redraw()
{
    Run([](Editor& editor, EditorView& view) { RedrawOverlay(editor, view); });
}
