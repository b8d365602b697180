#pragma once

#include "document/ImagemapDocument.h"

#include <utility>
#include <vector>

// Areas placed directly in a document, the way finished mouse gestures leave them.
int16_t AddTestBox(ImagemapDocument& doc, float left, float top, float width, float height,
    int16_t shape = kRectangleShape, const QString& url = QString(), const QString& alt = QString());

// A polygon with the given vertices; a closed one stores its first vertex again at the end.
int16_t AddTestPolygon(ImagemapDocument& doc, const std::vector<std::pair<int16_t, int16_t>>& vertices,
    bool closed = true, const QString& url = QString(), const QString& alt = QString());

// Selects box i (or polygon j), with the border colours the editor gives a selection.
void SelectTestBox(ImagemapDocument& doc, int16_t index);
void SelectTestPolygon(ImagemapDocument& doc, int16_t index);
