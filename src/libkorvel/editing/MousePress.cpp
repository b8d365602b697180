#include "editing/MousePress.h"

#include "document/Numbers.h"
#include "editing/DragEngine.h"
#include "editing/HitTest.h"
#include "editing/Overlay.h"
#include "editing/PropertiesPanel.h"
#include "editing/Selection.h"

namespace {

void ClearSelection(Editor& editor)
{
    editor.state.selBox = 0;
    editor.state.selPoly = 0;
    GreyAllBoxes(editor.map);
}

void StartBox(Editor& editor, EditorView& view, float x, float y)
{
    ImagemapDocument& map = editor.map;
    EditorState& state = editor.state;
    if (map.boxCount >= kMaxAreasPerKind) {
        view.ShowNotice(AreaLimitMessage(AreaKind::Box));
        return;
    }
    ClearSelection(editor);
    // The new box keeps element 0's outline colour until its release selects it.
    const int16_t index = AddBoxElement(map);
    BoxArea& box = map.box(index);
    MoveShape(box, x, y, 0, 0);
    box.Visible = true;
    state.pressX = x;
    state.pressY = RoundToInt16(y);
    box.Shape = state.toolMode == ToolMode::Circle ? kCircleShape : kRectangleShape;
    state.drawingBox = index;
    view.Refresh();
    RedrawOverlay(editor, view);
}

void SelectUnderPointer(Editor& editor, EditorView& view, float x, float y)
{
    EditorState& state = editor.state;
    state.selBox = 0;
    state.selPoly = 0;
    ClearAreaProperties(editor, view);
    GreyAllBoxes(editor.map);
    const AreaRef hit = FindAreaUnderMouse(editor);
    if (hit.kind == AreaKind::None) {
        view.Refresh();
        RedrawOverlay(editor, view);
        return;
    }
    if (hit.kind == AreaKind::Box) {
        state.selBox = hit.index;
        SetBorder(editor.map, hit.index, SelectedColour);
    } else {
        state.selPoly = hit.index;
    }
    state.pressX = x;
    state.pressY = RoundToInt16(y);
    StartDrag(editor);
    state.toolMode = ToolMode::Move;
    view.SetMousePointer(MousePointer::SizeAll);
    ShowAreaProperties(editor, view, hit.index, hit.kind == AreaKind::Box);
    RedrawOverlay(editor, view);
}

// The pointer's pixel as a polygon vertex.
void SetVertexAtPointer(Editor& editor, PolygonArea& polygon, int16_t vertex)
{
    polygon.vertexX[static_cast<size_t>(vertex)] = RoundToInt16(editor.state.mouseX);
    polygon.vertexY[static_cast<size_t>(vertex)] = editor.state.mouseY;
}

void StartPolygon(Editor& editor, EditorView& view)
{
    ImagemapDocument& map = editor.map;
    if (map.polyCount >= kMaxAreasPerKind) {
        view.ShowNotice(AreaLimitMessage(AreaKind::Polygon));
        return;
    }
    ClearSelection(editor);
    const int16_t index = AddPolygonRecord(map);
    PolygonArea& polygon = map.polygon(index);
    polygon.vertexCount = 1;
    ResizeVertexArrays(polygon, 1);
    editor.state.buildingPoly = index;
    SetVertexAtPointer(editor, polygon, 1);
    RedrawOverlay(editor, view);
}

// One more vertex at the end of the polygon being built; false when it is full.
bool AppendVertex(EditorView& view, PolygonArea& polygon)
{
    if (polygon.vertexCount >= kMaxPolygonVertices) {
        view.ShowNotice(VertexLimitMessage());
        return false;
    }
    ++polygon.vertexCount;
    ResizeVertexArrays(polygon, polygon.vertexCount);
    return true;
}

void ClosePolygon(Editor& editor, EditorView& view, PolygonArea& polygon)
{
    EditorState& state = editor.state;
    if (!AppendVertex(view, polygon))
        return;
    const size_t last = static_cast<size_t>(polygon.vertexCount);
    polygon.vertexX[last] = polygon.vertexX[1];
    polygon.vertexY[last] = polygon.vertexY[1];
    view.SetPolyShapeVisible(false);
    state.toolMode = ToolMode::Arrow;
    view.SetMousePointer(MousePointer::Arrow);
    // A box selected while the polygon was open loses the selection to it.
    if (state.selBox > 0)
        SetBorder(editor.map, state.selBox, NormalColour);
    state.selBox = 0;
    state.selPoly = state.buildingPoly;
    state.buildingPoly = 0;
    SetHrefText(editor, view, QString());
    SetAltText(editor, view, QString());
    ShowAreaProperties(editor, view, state.selPoly, false);
    RedrawOverlay(editor, view);
}

} // namespace

void InnerPict_MouseDown(Editor& editor, EditorView& view, float x, float y)
{
    EditorState& state = editor.state;
    state.buttonDown = true;
    if (state.toolMode == ToolMode::Rect || state.toolMode == ToolMode::Circle)
        StartBox(editor, view, x, y);
    else if (state.toolMode == ToolMode::Arrow)
        SelectUnderPointer(editor, view, x, y);
    else if (state.toolMode == ToolMode::ResizeCorner || state.toolMode == ToolMode::ResizeSide)
        StartDrag(editor); // the handle hovering found
    // The polygon tool waits for the click.
}

void InnerPict_Click(Editor& editor, EditorView& view)
{
    EditorState& state = editor.state;
    if (state.toolMode != ToolMode::Poly)
        return;
    if (state.buildingPoly == 0) {
        StartPolygon(editor, view);
        return;
    }
    PolygonArea& polygon = editor.map.polygon(state.buildingPoly);
    if (CanClosePolygon(editor, view.Zoom())) {
        ClosePolygon(editor, view, polygon);
        return;
    }
    if (AppendVertex(view, polygon)) {
        SetVertexAtPointer(editor, polygon, polygon.vertexCount);
        RedrawOverlay(editor, view);
    }
}
