#include "editing/StepRestore.h"

#include "editing/Overlay.h"
#include "editing/PropertiesPanel.h"
#include "editing/Selection.h"

namespace {

bool IsDrawingTool(ToolMode mode)
{
    return mode == ToolMode::Rect || mode == ToolMode::Circle || mode == ToolMode::Poly;
}

} // namespace

void RestoreStep(Editor& editor, EditorView& view, const EditStep& step, bool forward)
{
    step.change.Apply(editor.map, forward);
    const SelectionState& selection = forward ? step.after : step.before;
    EditorState& state = editor.state;
    state.selBox = selection.selBox;
    state.selPoly = selection.selPoly;
    state.buildingPoly = selection.buildingPoly;
    state.drawingBox = 0;
    state.hoverCorner = 0;
    state.hoverSide = 0;
    GreyAllBoxes(editor.map);
    if (state.selBox > 0)
        SetBorder(editor.map, state.selBox, SelectedColour);
    if (!IsDrawingTool(state.toolMode)) {
        state.toolMode = ToolMode::Arrow;
        view.SetMousePointer(MousePointer::Arrow);
    }
    view.SetPolyShapeVisible(false);
    if (state.selBox > 0)
        ShowAreaProperties(editor, view, state.selBox, true);
    else if (state.selPoly > 0)
        ShowAreaProperties(editor, view, state.selPoly, false);
    else
        ClearAreaProperties(editor, view);
    // Handles drawn for a selection that is gone vanish only with a repaint.
    view.Refresh();
    RedrawOverlay(editor, view);
}
