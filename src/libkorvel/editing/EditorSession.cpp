#include "editing/EditorSession.h"

#include "document/Numbers.h"
#include "editing/DragEngine.h"
#include "editing/GenerateCommand.h"
#include "editing/KeyboardCommands.h"
#include "editing/MousePress.h"
#include "editing/Overlay.h"
#include "editing/PropertiesPanel.h"
#include "editing/ToolCommands.h"

void EditorSession::MouseDown(float x, float y)
{
    Run([x = SaturateCoordinate(x), y = SaturateCoordinate(y)](
            Editor& editor, EditorView& view) { InnerPict_MouseDown(editor, view, x, y); });
}

void EditorSession::MouseMove(float x, float y)
{
    Run([x = SaturateCoordinate(x), y = SaturateCoordinate(y)](
            Editor& editor, EditorView& view) { InnerPict_MouseMove(editor, view, x, y); });
}

void EditorSession::MouseUp(float, float)
{
    Run(InnerPict_MouseUp);
}

void EditorSession::Click()
{
    Run(InnerPict_Click);
}

void EditorSession::KeyDown(int16_t keyCode, int16_t shift)
{
    Run([keyCode, shift](Editor& editor, EditorView& view) { Form_KeyDown(editor, view, keyCode, shift); });
}

void EditorSession::HrefEdited(const QString& text)
{
    Run([&text](Editor& editor, EditorView&) { HrefText_Change(editor, text); });
}

void EditorSession::AltEdited(const QString& text)
{
    Run([&text](Editor& editor, EditorView&) { AltText_Change(editor, text); });
}

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
