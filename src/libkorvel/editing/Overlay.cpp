#include "editing/Overlay.h"

#include "document/Numbers.h"

namespace {

void DrawPolygon(const PolygonArea& polygon, bool selected, float reach, EditorView& view)
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
        DrawHandleBox(
            view, VertexOffset(x, -reach), VertexOffset(y, -reach), VertexOffset(x, reach), VertexOffset(y, reach));
        view.Line(x, y, polygon.vertexX[static_cast<size_t>(j) + 1], polygon.vertexY[static_cast<size_t>(j) + 1]);
    }
    view.SetForeColor(NormalColour);
}

void DrawBoxHandles(const BoxArea& box, float t, EditorView& view)
{
    const float corners[4][2] = {
        { box.Left, box.Top },
        { box.Left + box.Width, box.Top },
        { box.Left, box.Top + box.Height },
        { box.Left + box.Width, box.Top + box.Height },
    };
    view.SetForeColor(SelectedColour);
    for (const auto& corner : corners)
        DrawHandleBox(view, corner[0] - t, corner[1] - t, corner[0] + t, corner[1] + t);
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
    const float reach = HandleReach(view);
    for (int16_t i = 1; i <= map.polyCount; ++i)
        DrawPolygon(map.polygon(i), i == state.selPoly, reach, view);
    if (state.selBox > 0)
        DrawBoxHandles(map.box(state.selBox), reach, view);
}

float HandleReach(const EditorView& view)
{
    return static_cast<float>(view.Zoom().PictureLength(kHandleTolerance));
}

float VertexOffset(int16_t vertex, float offset)
{
    return SaturateCoordinate(static_cast<double>(vertex) + offset);
}

void DrawHandleBox(EditorView& view, float x1, float y1, float x2, float y2)
{
    view.Line(x1, y1, x2, y1);
    view.Line(x2, y1, x2, y2);
    view.Line(x1, y2, x2, y2);
    view.Line(x1, y2, x1, y1);
}
