#include "support/DocumentBuilders.h"

int16_t AddTestBox(ImagemapDocument& map, float left, float top, float width, float height, int16_t shape,
    const QString& url, const QString& alt)
{
    const int16_t index = AddBoxElement(map);
    if (index == 0)
        return 0;
    BoxArea& box = map.box(index);
    box.Left = left;
    box.Top = top;
    box.Width = width;
    box.Height = height;
    box.Shape = shape;
    box.BorderColor = NormalColour;
    box.Visible = true;
    box.url = url;
    box.alt = alt;
    return index;
}

int16_t AddTestPolygon(
    ImagemapDocument& map, const Vertices& vertices, bool closed, const QString& url, const QString& alt)
{
    const int16_t index = AddPolygonRecord(map);
    if (index == 0)
        return 0;
    PolygonArea& polygon = map.polygon(index);
    Vertices stored = vertices;
    if (closed && !vertices.empty())
        stored.push_back(vertices.front());
    polygon.vertexCount = static_cast<int16_t>(stored.size());
    ResizeVertexArrays(polygon, polygon.vertexCount);
    for (size_t k = 0; k < stored.size(); ++k) {
        polygon.vertexX[k + 1] = stored[k].first;
        polygon.vertexY[k + 1] = stored[k].second;
    }
    polygon.url = url;
    polygon.alt = alt;
    return index;
}

Vertices StoredVertices(const PolygonArea& polygon)
{
    Vertices out;
    for (size_t k = 1; k <= static_cast<size_t>(polygon.vertexCount) && k < polygon.vertexX.size(); ++k)
        out.emplace_back(polygon.vertexX[k], polygon.vertexY[k]);
    return out;
}

void SelectTestBox(Editor& editor, int16_t index)
{
    for (int16_t i = 1; i <= editor.map.boxCount; ++i)
        editor.map.box(i).BorderColor = i == index ? SelectedColour : NormalColour;
    editor.state.selBox = index;
    editor.state.selPoly = 0;
}

void SelectTestPolygon(Editor& editor, int16_t index)
{
    SelectTestBox(editor, 0);
    editor.state.selPoly = index;
}
