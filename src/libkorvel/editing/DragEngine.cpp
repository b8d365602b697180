#include "editing/DragEngine.h"

#include "document/Numbers.h"
#include "editing/HoverFeedback.h"
#include "editing/Overlay.h"
#include "editing/PropertiesPanel.h"
#include "editing/RubberBand.h"
#include "editing/Selection.h"

namespace {

struct Geometry {
    double left, top, width, height;
};

// A corner follows the pointer while the opposite corner stays; the strict tests keep the
// box from turning inside out or collapsing, so past an opposite side the box waits.
bool CornerGeometry(int16_t corner, const ShapeControl& b, double x, double y, Geometry& g)
{
    const double right = double { b.Left } + b.Width;
    const double bottom = double { b.Top } + b.Height;
    switch (corner) {
    case 1:
        g = { x, y, right - x, bottom - y };
        return x < right && y < bottom;
    case 2:
        g = { b.Left, y, x - b.Left, bottom - y };
        return x > b.Left && y < bottom;
    case 3:
        g = { x, b.Top, right - x, y - b.Top };
        return x < right && y > b.Top;
    case 4:
        g = { b.Left, b.Top, x - b.Left, y - b.Top };
        return x > b.Left && y > b.Top;
    default:
        return false;
    }
}

// A circle's box stays square: the larger side wins and the opposite corner stays put.
void SquareForCircle(int16_t corner, Geometry& g)
{
    if (g.width > g.height) {
        if (corner == 1 || corner == 2)
            g.top -= g.width - g.height;
        g.height = g.width;
    } else {
        if (corner == 1 || corner == 3)
            g.left -= g.height - g.width;
        g.width = g.height;
    }
}

bool RectangleSideGeometry(int16_t side, const ShapeControl& b, double x, double y, Geometry& g)
{
    const double right = double { b.Left } + b.Width;
    const double bottom = double { b.Top } + b.Height;
    switch (side) {
    case 1:
        g = { x, b.Top, right - x, b.Height };
        return x < right;
    case 2:
        g = { b.Left, b.Top, x - b.Left, b.Height };
        return x > b.Left;
    case 3:
        g = { b.Left, y, b.Width, bottom - y };
        return y < bottom;
    case 4: // the bottom side alone also waits while the pointer is left of the box
        g = { b.Left, b.Top, b.Width, y - b.Top };
        return x > b.Left && y > b.Top;
    default:
        return false;
    }
}

// A circle keeps its centre: the opposite side moves as far the other way, and the other
// dimension grows or shrinks as much. The pointer may not cross the centre.
bool CircleSideGeometry(int16_t side, const ShapeControl& b, double x, double y, Geometry& g)
{
    double outward = 0;
    bool applies = false;
    switch (side) {
    case 1:
        applies = x < b.Left + b.Width / 2.0;
        outward = -(x - b.Left);
        break;
    case 2:
        applies = x > b.Left + b.Width / 2.0;
        outward = x - (double { b.Left } + b.Width);
        break;
    case 3:
        applies = y < b.Top + b.Height / 2.0;
        outward = -(y - b.Top);
        break;
    case 4:
        applies = y > b.Top + b.Height / 2.0;
        outward = y - (double { b.Top } + b.Height);
        break;
    default:
        return false;
    }
    g = { b.Left - outward, b.Top - outward, b.Width + 2 * outward, b.Height + 2 * outward };
    // A box that is not square could be asked for a negative size; that step is skipped.
    return applies && g.width >= 0 && g.height >= 0;
}

void EndRubberBand(Editor& editor, EditorView& view)
{
    ImagemapDocument& map = editor.map;
    EditorState& state = editor.state;
    if (state.selBox > 0)
        SetBorder(map, state.selBox, NormalColour);
    SetBorder(map, state.drawingBox, SelectedColour);
    state.selBox = state.drawingBox;
    state.selPoly = 0;
    ShowAreaProperties(editor, view, state.selBox, true);
    // The new box takes empty texts, whatever its element held before.
    SetHrefText(editor, view, QString());
    SetAltText(editor, view, QString());
    state.drawingBox = 0;
    state.toolMode = ToolMode::Arrow;
    view.SetMousePointer(MousePointer::Arrow);
    RedrawOverlay(editor, view);
}

// The box the drag started from, when it is still the selected one.
const ShapeControl* StartBox(const EditorState& state)
{
    const DragStart& start = state.dragStart;
    const bool same = state.selBox >= 1 && start.area.kind == AreaKind::Box && start.area.index == state.selBox;
    return same ? &start.box : nullptr;
}

// The polygon the drag started from, when it is still the selected one, vertex for vertex.
const DragStart* StartPolygon(const Editor& editor)
{
    const EditorState& state = editor.state;
    const DragStart& start = state.dragStart;
    const bool same = state.selPoly >= 1 && start.area.kind == AreaKind::Polygon && start.area.index == state.selPoly
        && start.vertexX.size() == editor.map.polygon(state.selPoly).vertexX.size();
    return same ? &start : nullptr;
}

} // namespace

void StartDrag(Editor& editor)
{
    EditorState& state = editor.state;
    DragStart& start = state.dragStart;
    start = DragStart {};
    if (state.selBox >= 1) {
        start.area = { AreaKind::Box, state.selBox };
        start.box = editor.map.box(state.selBox);
    } else if (state.selPoly >= 1) {
        start.area = { AreaKind::Polygon, state.selPoly };
        start.vertexX = editor.map.polygon(state.selPoly).vertexX;
        start.vertexY = editor.map.polygon(state.selPoly).vertexY;
    }
}

void RestartDrag(Editor& editor)
{
    StartDrag(editor);
    if (editor.state.toolMode == ToolMode::Move) {
        editor.state.pressX = editor.state.mouseX;
        editor.state.pressY = editor.state.mouseY;
    }
}

void DragCorner(Editor& editor, float x)
{
    const EditorState& state = editor.state;
    const ShapeControl* start = StartBox(state);
    Geometry g;
    if (!start || !CornerGeometry(state.hoverCorner, *start, x, state.mouseY, g))
        return;
    if (start->Shape == kCircleShape)
        SquareForCircle(state.hoverCorner, g);
    MoveShape(editor.map.box(state.selBox), g.left, g.top, g.width, g.height);
}

bool DragSide(Editor& editor, float x)
{
    const EditorState& state = editor.state;
    const ShapeControl* start = StartBox(state);
    if (!start)
        return false;
    Geometry g;
    bool applies = false;
    if (start->Shape == kRectangleShape)
        applies = RectangleSideGeometry(state.hoverSide, *start, x, state.mouseY, g);
    else if (start->Shape == kCircleShape)
        applies = CircleSideGeometry(state.hoverSide, *start, x, state.mouseY, g);
    if (applies)
        MoveShape(editor.map.box(state.selBox), g.left, g.top, g.width, g.height);
    return applies;
}

void DragVertex(Editor& editor, float x)
{
    const EditorState& state = editor.state;
    if (state.selPoly < 1)
        return;
    PolygonArea& polygon = editor.map.polygon(state.selPoly);
    const int16_t vertex = state.hoverCorner;
    const int16_t last = polygon.vertexCount;
    if (vertex < 1 || vertex > last)
        return;
    const int16_t newX = RoundToInt16(x);
    polygon.vertexX[static_cast<size_t>(vertex)] = newX;
    polygon.vertexY[static_cast<size_t>(vertex)] = state.mouseY;
    // A finished polygon stores its first vertex again as its last; the two move together.
    const int16_t twin = vertex == 1 ? last : (vertex == last ? int16_t(1) : int16_t(0));
    if (twin != 0) {
        polygon.vertexX[static_cast<size_t>(twin)] = newX;
        polygon.vertexY[static_cast<size_t>(twin)] = state.mouseY;
    }
}

void MoveSelection(Editor& editor, float x, float y)
{
    // The area as the press found it, shifted by the pointer's travel since the press.
    const EditorState& state = editor.state;
    const double dx = double { x } - state.pressX;
    const double dy = double { y } - state.pressY;
    if (const ShapeControl* box = StartBox(state)) {
        MoveShape(editor.map.box(state.selBox), box->Left + dx, box->Top + dy, box->Width, box->Height);
    } else if (const DragStart* start = StartPolygon(editor)) {
        PolygonArea& polygon = editor.map.polygon(state.selPoly);
        polygon.vertexX = start->vertexX;
        polygon.vertexY = start->vertexY;
        ShiftPolygon(polygon, dx, dy);
    }
}

void InnerPict_MouseMove(Editor& editor, EditorView& view, float x, float y, QPoint screen)
{
    ShowPointerPosition(editor, view, x, y, screen);
    EditorState& state = editor.state;
    const bool resizing = state.toolMode == ToolMode::ResizeCorner || state.toolMode == ToolMode::ResizeSide;
    if (state.toolMode == ToolMode::Arrow || (resizing && !state.buttonDown)) {
        UpdateHoverMode(editor, view);
    } else if (state.toolMode == ToolMode::ResizeCorner) {
        if (state.selBox > 0)
            DragCorner(editor, x);
        else
            DragVertex(editor, x);
        RedrawOverlay(editor, view);
    } else if (state.toolMode == ToolMode::ResizeSide) {
        if (DragSide(editor, x))
            RedrawOverlay(editor, view);
    } else if (state.toolMode == ToolMode::Move) {
        MoveSelection(editor, x, y);
        RedrawOverlay(editor, view);
    } else if ((state.toolMode == ToolMode::Rect || state.toolMode == ToolMode::Circle) && state.drawingBox >= 1) {
        StretchNewBox(editor, view, x, y);
    } else if (state.toolMode == ToolMode::Poly && state.buildingPoly >= 1) {
        ShowPolygonPreview(editor, view);
    }
}

void InnerPict_MouseUp(Editor& editor, EditorView& view)
{
    EditorState& state = editor.state;
    state.buttonDown = false;
    state.dragStart = DragStart {};
    if (state.toolMode == ToolMode::Move) {
        state.toolMode = ToolMode::Arrow;
        view.SetMousePointer(MousePointer::Arrow);
    } else if ((state.toolMode == ToolMode::Rect || state.toolMode == ToolMode::Circle) && state.drawingBox >= 1) {
        EndRubberBand(editor, view);
    }
    // A resize mode and its pointer stay until the next move looks at the handles again.
}
