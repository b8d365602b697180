#include "editing/ToolCommands.h"

namespace {

void ArmTool(ImagemapDocument& doc, EditorView& view, ToolMode mode)
{
    doc.toolMode = mode;
    view.SetMousePointer(MousePointer::Cross);
}

} // namespace

void rectButton_Click(ImagemapDocument& doc, EditorView& view)
{
    ArmTool(doc, view, ToolMode::Rect);
}

void circleButton_Click(ImagemapDocument& doc, EditorView& view)
{
    ArmTool(doc, view, ToolMode::Circle);
}

void polyButton_Click(ImagemapDocument& doc, EditorView& view)
{
    ArmTool(doc, view, ToolMode::Poly);
}

void StartNewMap(ImagemapDocument& doc)
{
    while (doc.Shape.size() > 1)
        UnloadShape(doc);
    doc.boxCount = 0;
    doc.polyCount = 0;
    doc.selBox = 0;
    doc.selPoly = 0;
    doc.drawingBox = 0;
    doc.buildingPoly = 0;
    GrowAreaArrays(doc, true);
    GrowAreaArrays(doc, false);
}
