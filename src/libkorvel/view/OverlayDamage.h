#pragma once

#include "view/MapPainter.h"

#include <QRect>

#include <array>

// What of the canvas follows the editor's state rather than the map: the selection (magenta,
// with handles), the box being drawn and the polygon being built (their colour, the open
// chain), whether a selection has been shown (the colour of unselected polygons), the
// marks of the polygon being built, and the trace tool's outline.
struct OverlayLook {
    AreaId selected = 0;
    AreaId drawing = 0;
    AreaId building = 0;
    bool selectionShown = false;
    BuildingMarks marks;
    std::shared_ptr<const std::vector<Vertex>> traceOutline;
};

OverlayLook overlayLook(const ImageMap& map, const EditorState& state, const ZoomMapping& zoom);

// Where the canvas looks different from one look to the next, in screen pixels.
struct OverlayDamage {
    bool everything = false;
    std::array<QRect, 12> parts; // an old and a new part for each thing above
    int count = 0;

    void add(const QRect& part)
    {
        if (!part.isEmpty() && count < int(parts.size()))
            parts[size_t(count++)] = part;
    }
};

// The areas' geometry is the map's as it is now: changes of the map are repainted apart.
OverlayDamage overlayDamage(
    const OverlayLook& before, const OverlayLook& now, const ImageMap& map, const ZoomMapping& zoom);
