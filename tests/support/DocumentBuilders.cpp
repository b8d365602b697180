#include "support/DocumentBuilders.h"

int16_t AddTestBox(ImagemapDocument& doc, float left, float top, float width, float height, int16_t shape,
    const QString& url, const QString& alt)
{
    const int16_t index = AddBoxElement(doc);
    if (index == 0)
        return 0;
    BoxArea& box = doc.Shape[static_cast<size_t>(index)];
    box.Left = left;
    box.Top = top;
    box.Width = width;
    box.Height = height;
    box.Shape = shape;
    box.BorderColor = NormalColour;
    box.Visible = true;
    doc.boxUrl[static_cast<size_t>(index)] = url;
    doc.boxAlt[static_cast<size_t>(index)] = alt;
    return index;
}

int16_t AddTestPolygon(ImagemapDocument& doc, const std::vector<std::pair<int16_t, int16_t>>& vertices, bool closed,
    const QString& url, const QString& alt)
{
    const int16_t index = AddPolygonRecord(doc);
    if (index == 0)
        return 0;
    PolygonArea& polygon = doc.polygons[static_cast<size_t>(index)];
    std::vector<std::pair<int16_t, int16_t>> stored = vertices;
    if (closed && !vertices.empty())
        stored.push_back(vertices.front());
    polygon.vertexCount = static_cast<int16_t>(stored.size());
    ResizeVertexArrays(polygon, polygon.vertexCount);
    for (size_t k = 0; k < stored.size(); ++k) {
        polygon.vertexX[k + 1] = stored[k].first;
        polygon.vertexY[k + 1] = stored[k].second;
    }
    doc.polyUrl[static_cast<size_t>(index)] = url;
    doc.polyAlt[static_cast<size_t>(index)] = alt;
    return index;
}

void SelectTestBox(ImagemapDocument& doc, int16_t index)
{
    for (size_t i = 1; i < doc.Shape.size(); ++i)
        doc.Shape[i].BorderColor = NormalColour;
    doc.Shape[static_cast<size_t>(index)].BorderColor = SelectedColour;
    doc.selBox = index;
    doc.selPoly = 0;
}

void SelectTestPolygon(ImagemapDocument& doc, int16_t index)
{
    for (size_t i = 1; i < doc.Shape.size(); ++i)
        doc.Shape[i].BorderColor = NormalColour;
    doc.selBox = 0;
    doc.selPoly = index;
}
