#include "editing/AreaLifecycle.h"

#include "document/Numbers.h"
#include "editing/Overlay.h"
#include "editing/PropertiesPanel.h"
#include "editing/Selection.h"

#include <algorithm>

namespace {

// Keeps a gesture index naming the same area after area index of its kind has gone.
int16_t FollowDeletion(int16_t gestureIndex, int16_t deleted)
{
    if (gestureIndex == deleted)
        return 0;
    return gestureIndex > deleted ? static_cast<int16_t>(gestureIndex - 1) : gestureIndex;
}

// What a box holds for the user: its place, size, shape and texts. The border colour and
// visibility stay with the element, which the selection and the list decide.
void CopyBoxContent(BoxArea& to, const BoxArea& from)
{
    to.Left = from.Left;
    to.Top = from.Top;
    to.Width = from.Width;
    to.Height = from.Height;
    to.Shape = from.Shape;
    to.url = from.url;
    to.alt = from.alt;
}

// A duplicate takes the selection from whatever held it, and the panel shows its texts.
void SelectDuplicate(Editor& editor, EditorView& view, int16_t added, bool isBox)
{
    SetBorder(editor.map, editor.state.selBox, NormalColour);
    editor.state.selBox = isBox ? added : 0;
    editor.state.selPoly = isBox ? 0 : added;
    ShowAreaProperties(editor, view, added, isBox);
    RedrawOverlay(editor, view);
}

void DeleteBox(Editor& editor, EditorView& view, int16_t index)
{
    ImagemapDocument& map = editor.map;
    SetBorder(map, index, NormalColour);
    for (int16_t i = index; i < map.boxCount; ++i)
        CopyBoxContent(map.box(i), map.box(static_cast<int16_t>(i + 1)));
    UnloadShape(map, map.boxCount);
    --map.boxCount;
    GrowAreaArrays(map, true);
    editor.state.selBox = 0;
    editor.state.drawingBox = FollowDeletion(editor.state.drawingBox, index);
    // The handles drawn for the deleted box vanish only with a repaint, which the overlay
    // redraw does only while a polygon exists.
    if (map.polyCount == 0)
        view.Refresh();
}

void DeletePolygon(Editor& editor, EditorView& view, int16_t index)
{
    ImagemapDocument& map = editor.map;
    if (index < map.polyCount) {
        std::move(
            map.polygons.begin() + index + 1, map.polygons.begin() + map.polyCount + 1, map.polygons.begin() + index);
        // The record left past the new count keeps what the last polygon held, as the spare.
        map.polygon(map.polyCount) = map.polygon(static_cast<int16_t>(map.polyCount - 1));
    }
    --map.polyCount;
    GrowAreaArrays(map, false);
    if (map.polyCount == 0)
        view.Refresh();
    editor.state.selPoly = 0;
    const int16_t building = FollowDeletion(editor.state.buildingPoly, index);
    if (editor.state.buildingPoly != 0 && building == 0)
        view.SetPolyShapeVisible(false); // the polygon it marked is gone
    editor.state.buildingPoly = building;
}

// Where a copy goes: 10 pixels right and down, unless that would start within 20 pixels of
// the canvas's visible right or bottom end; then its top-left goes to the canvas's centre.
bool OffsetFits(float left, float top, const CanvasGeometry& canvas)
{
    return left + 20 < canvas.Left + canvas.Width && top + 20 < canvas.Top + canvas.Height;
}

void DuplicateBox(Editor& editor, EditorView& view, int16_t index)
{
    ImagemapDocument& map = editor.map;
    const BoxArea source = map.box(index); // a copy: growing the list moves the elements
    const int16_t added = AddBoxElement(map);
    if (added == 0) {
        view.ShowNotice(AreaLimitMessage(AreaKind::Box));
        return;
    }
    BoxArea& copy = map.box(added);
    CopyBoxContent(copy, source);
    copy.BorderColor = SelectedColour;
    copy.Visible = true;
    const CanvasGeometry canvas = view.InnerPictGeometry();
    if (OffsetFits(source.Left, source.Top, canvas)) {
        copy.Left = SaturateCoordinate(source.Left + 10.0f);
        copy.Top = SaturateCoordinate(source.Top + 10.0f);
    } else {
        copy.Left = canvas.Width / 2;
        copy.Top = canvas.Height / 2;
    }
    SelectDuplicate(editor, view, added, true);
}

void DuplicatePolygon(Editor& editor, EditorView& view, int16_t index)
{
    ImagemapDocument& map = editor.map;
    const PolygonArea source = map.polygon(index); // a copy: growing the list moves the records
    const int16_t added = AddPolygonRecord(map);
    if (added == 0) {
        view.ShowNotice(AreaLimitMessage(AreaKind::Polygon));
        return;
    }
    PolygonArea& copy = map.polygon(added);
    const int16_t count = source.vertexCount;
    ResizeVertexArrays(copy, count);
    copy.vertexCount = count;
    int16_t minX = count > 0 ? kInt16Max : 0;
    int16_t minY = count > 0 ? kInt16Max : 0;
    for (size_t k = 1; k <= static_cast<size_t>(count); ++k) {
        minX = std::min(minX, source.vertexX[k]);
        minY = std::min(minY, source.vertexY[k]);
    }
    const CanvasGeometry canvas = view.InnerPictGeometry();
    const bool offset = OffsetFits(minX, minY, canvas);
    const double shiftX = offset ? 10.0 : canvas.Width / 2.0 - minX;
    const double shiftY = offset ? 10.0 : canvas.Height / 2.0 - minY;
    for (size_t k = 1; k <= static_cast<size_t>(count); ++k) {
        copy.vertexX[k] = RoundToInt16(source.vertexX[k] + shiftX);
        copy.vertexY[k] = RoundToInt16(source.vertexY[k] + shiftY);
    }
    copy.url = source.url;
    copy.alt = source.alt;
    SelectDuplicate(editor, view, added, false);
}

} // namespace

void DeleteArea(Editor& editor, EditorView& view, int16_t index, AreaKind kind)
{
    if (kind == AreaKind::Box)
        DeleteBox(editor, view, index);
    else if (kind == AreaKind::Polygon)
        DeletePolygon(editor, view, index);
    ClearAreaProperties(editor, view);
    RedrawOverlay(editor, view);
}

void CopyAreaToClipboard(Editor& editor, int16_t index, AreaKind kind)
{
    ImagemapDocument& map = editor.map;
    if (kind == AreaKind::Box) {
        CopyBoxContent(map.boxes.front(), map.box(index));
    } else if (kind == AreaKind::Polygon) {
        const PolygonArea& polygon = map.polygon(index);
        PolygonArea& slot = map.polygons.front();
        slot.vertexCount = polygon.vertexCount;
        slot.vertexX.assign(polygon.vertexX.begin(), polygon.vertexX.begin() + polygon.vertexCount + 1);
        slot.vertexY.assign(polygon.vertexY.begin(), polygon.vertexY.begin() + polygon.vertexCount + 1);
        slot.url = polygon.url;
        slot.alt = polygon.alt;
    }
}

void DuplicateArea(Editor& editor, EditorView& view, int16_t index, AreaKind kind)
{
    if (kind == AreaKind::Box)
        DuplicateBox(editor, view, index);
    else if (kind == AreaKind::Polygon)
        DuplicatePolygon(editor, view, index);
    else
        RedrawOverlay(editor, view);
}
