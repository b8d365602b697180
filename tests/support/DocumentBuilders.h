#pragma once

#include "editing/Editor.h"

#include <utility>
#include <vector>

// Areas placed directly in a map, the way finished mouse gestures leave them.
int16_t AddTestBox(ImagemapDocument& map, float left, float top, float width, float height,
    int16_t shape = kRectangleShape, const QString& url = QString(), const QString& alt = QString());

using Vertices = std::vector<std::pair<int16_t, int16_t>>;

// A polygon with the given vertices; a closed one stores its first vertex again at the end.
int16_t AddTestPolygon(ImagemapDocument& map, const Vertices& vertices, bool closed = true,
    const QString& url = QString(), const QString& alt = QString());

// The stored vertices of a polygon, 1..vertexCount.
Vertices StoredVertices(const PolygonArea& polygon);

// Selects box i (or polygon j), with the border colours the editor gives a selection.
void SelectTestBox(Editor& editor, int16_t index);
void SelectTestPolygon(Editor& editor, int16_t index);
