#pragma once

#include "document/ImagemapDocument.h"
#include "undo/ListChange.h"

// Boxes compared for what the user made: outline colours only mirror the selection, so
// selecting an area is not a change to the map.
struct SameBoxContent {
    bool operator()(const BoxArea& a, const BoxArea& b) const
    {
        return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height && a.Shape == b.Shape
            && a.Visible == b.Visible && a.BorderWidth == b.BorderWidth && a.url == b.url && a.alt == b.alt;
    }
};

// How the map changed in one step: the stretch of each list that differs, and the counts.
// Applying it forwards turns the map as it was into the map as it became; backwards, the
// reverse, spare elements included. The clipboard slots are never touched, and the boxes'
// outline colours are left to whoever restores the selection.
class MapChange {
public:
    static MapChange Between(const ImagemapDocument& before, const ImagemapDocument& after);

    bool IsEmpty() const;
    void Apply(ImagemapDocument& map, bool forward) const;
    // One step from the start of this one to the end of next, when both changed the same
    // stretch of the lists; false (and nothing changed) otherwise.
    bool Absorb(const MapChange& next);

private:
    ListChange<BoxArea, SameBoxContent> m_boxes;
    ListChange<PolygonArea> m_polygons;
    int16_t m_boxCount[2] = { 0, 0 }; // before, after
    int16_t m_polyCount[2] = { 0, 0 };
};
