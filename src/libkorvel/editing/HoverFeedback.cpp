#include "editing/HoverFeedback.h"

#include "document/Numbers.h"
#include "editing/HitTest.h"
#include "editing/Overlay.h"

void ShowPointerPosition(Editor& editor, EditorView& view, float x, float y, QPoint screen)
{
    editor.state.mouseX = x;
    editor.state.mouseY = RoundToInt16(y);
    editor.state.mouseScreenX = screen.x();
    editor.state.mouseScreenY = screen.y();
    view.SetStatusText(FormatSingle(x) + QLatin1Char(',') + FormatSingle(y));
}

void UpdateHoverMode(Editor& editor, EditorView& view)
{
    FindHandleUnderMouse(editor, view.Zoom());
    EditorState& state = editor.state;
    if (state.selBox > 0 && state.hoverCorner > 0) {
        state.toolMode = ToolMode::ResizeCorner;
        const bool mainDiagonal = state.hoverCorner == 1 || state.hoverCorner == 4;
        view.SetMousePointer(mainDiagonal ? MousePointer::SizeNWSE : MousePointer::SizeNESW);
    } else if (state.selBox > 0 && state.hoverSide >= 1) {
        state.toolMode = ToolMode::ResizeSide;
        const bool leftOrRight = state.hoverSide == 1 || state.hoverSide == 2;
        view.SetMousePointer(leftOrRight ? MousePointer::SizeWE : MousePointer::SizeNS);
    } else if (state.selPoly >= 1 && state.hoverCorner >= 1) {
        state.toolMode = ToolMode::ResizeCorner;
        view.SetMousePointer(MousePointer::SizeAll);
    } else if (state.toolMode != ToolMode::Arrow) {
        state.toolMode = ToolMode::Arrow;
        view.SetMousePointer(MousePointer::Arrow);
    }
}

void ShowPolygonPreview(Editor& editor, EditorView& view)
{
    const PolygonArea& polygon = editor.map.polygon(editor.state.buildingPoly);
    const int16_t firstX = polygon.vertexX[1];
    const int16_t firstY = polygon.vertexY[1];
    const ZoomMapping zoom = view.Zoom();
    if (CanClosePolygon(editor, zoom)) {
        const auto side = static_cast<float>(zoom.PictureLength(2 * kHandleTolerance));
        view.MovePolyShape(SaturateCoordinate(HandleEdge(zoom, firstX, -1)),
            SaturateCoordinate(HandleEdge(zoom, firstY, -1)), side, side);
        view.SetPolyShapeVisible(true);
    } else {
        view.SetPolyShapeVisible(false);
    }
    RedrawOverlay(editor, view);
    const size_t last = static_cast<size_t>(polygon.vertexCount);
    view.Line(polygon.vertexX[last], polygon.vertexY[last], editor.state.mouseX, editor.state.mouseY);
}
