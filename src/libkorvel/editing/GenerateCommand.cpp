#include "editing/GenerateCommand.h"

#include "output/HtmlGenerator.h"

void generateButton_Click(Editor& editor, EditorView& view)
{
    // Only the tool changes: the selection and any polygon or box still being drawn stay
    // as they are, and nothing is redrawn.
    editor.state.toolMode = ToolMode::Arrow;
    view.SetMousePointer(MousePointer::Arrow);
    view.AppendOutputAndShow(GenerateImagemapHtml(editor.map, view.MapNameText()));
}
