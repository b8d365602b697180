#include "editing/Overlay.h"

#include "document/Numbers.h"

namespace {

// A vertex's handle stays within the 16-bit range the vertex has.
float VertexHandleEdge(const ZoomMapping& zoom, int16_t vertex, int side)
{
    return SaturateCoordinate(HandleEdge(zoom, vertex, side));
}

void DrawPolygon(const PolygonArea& polygon, bool selected, const ZoomMapping& zoom, EditorView& view)
{
    // The loop stops one short of the last vertex: a finished polygon stores its first
    // vertex again as the last, so it gets its closing edge and no handle on the copy,
    // while one still being built stays an open chain.
    if (!selected) {
        if (polygon.vertexCount >= 2) // the same lines as the loop below, in one call
            view.LineChain(&polygon.vertexX[1], &polygon.vertexY[1], polygon.vertexCount);
        return;
    }
    for (int j = 1; j < polygon.vertexCount; ++j) {
        const int16_t x = polygon.vertexX[static_cast<size_t>(j)];
        const int16_t y = polygon.vertexY[static_cast<size_t>(j)];
        view.SetForeColor(SelectedColour);
        DrawHandleBox(view, VertexHandleEdge(zoom, x, -1), VertexHandleEdge(zoom, y, -1), VertexHandleEdge(zoom, x, 1),
            VertexHandleEdge(zoom, y, 1));
        view.Line(x, y, polygon.vertexX[static_cast<size_t>(j) + 1], polygon.vertexY[static_cast<size_t>(j) + 1]);
    }
    view.SetForeColor(NormalColour);
}

void DrawBoxHandles(const BoxArea& box, const ZoomMapping& zoom, EditorView& view)
{
    const float corners[4][2] = {
        { box.Left, box.Top },
        { box.Left + box.Width, box.Top },
        { box.Left, box.Top + box.Height },
        { box.Left + box.Width, box.Top + box.Height },
    };
    const auto edge
        = [&zoom](float coordinate, int side) { return static_cast<float>(HandleEdge(zoom, coordinate, side)); };
    view.SetForeColor(SelectedColour);
    for (const auto& corner : corners)
        DrawHandleBox(view, edge(corner[0], -1), edge(corner[1], -1), edge(corner[0], 1), edge(corner[1], 1));
    view.SetForeColor(NormalColour);
}

} // namespace

void RedrawOverlay(const Editor& editor, EditorView& view)
{
    const ImagemapDocument& map = editor.map;
    const EditorState& state = editor.state;
    // With no polygon and no selected box there is nothing to draw, and lines drawn
    // earlier stay on screen.
    if (map.polyCount > 0 || state.selBox > 0)
        view.Refresh();
    // Unselected polygons take whatever pen colour the canvas has: the window-text
    // colour until the first selection has been drawn, grey from then on.
    const ZoomMapping zoom = view.Zoom();
    for (int16_t i = 1; i <= map.polyCount; ++i)
        DrawPolygon(map.polygon(i), i == state.selPoly, zoom, view);
    if (state.selBox > 0)
        DrawBoxHandles(map.box(state.selBox), zoom, view);
}

double HandleEdge(const ZoomMapping& zoom, double coordinate, int side)
{
    // On the edge pixel's centre, which the canvas draws in that very pixel.
    return zoom.PictureCoordinate(static_cast<double>(zoom.ScreenPixelAt(coordinate) + side * kHandleTolerance));
}

void DrawHandleBox(EditorView& view, float x1, float y1, float x2, float y2)
{
    view.Line(x1, y1, x2, y1);
    view.Line(x2, y1, x2, y2);
    view.Line(x1, y2, x2, y2);
    view.Line(x1, y2, x1, y1);
}
