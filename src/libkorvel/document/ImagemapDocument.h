#pragma once

#include "document/AreaKind.h"
#include "document/BoxArea.h"
#include "document/PolygonArea.h"

#include <QString>

#include <cstdint>
#include <vector>

// Each list keeps slot 0 for the clipboard and one spare element past the last area, all
// indexed by a 16-bit number, so a kind holds at most 32766 areas.
constexpr int16_t kMaxAreasPerKind = 32766;
// Vertex arrays run 0..vertexCount with a 16-bit count.
constexpr int16_t kMaxPolygonVertices = 32767;

// The map under edit, apart from the editor's state: a plain value, copied and compared
// whole. Areas are numbered from 1 within their kind; element 0 of each list is the
// clipboard slot.
//
// Once a kind's list has been grown (GrowAreaArrays), it spans 0..count+1: the slot, the
// areas and one spare element. The spare keeps the texts (and a polygon's vertices) of the
// area that last used it until something overwrites them; a box's outline exists only
// while the box does (elements 1..boxCount are loaded, nothing above them is).
struct ImagemapDocument {
    int16_t boxCount = 0;
    int16_t polyCount = 0;
    // Index order is z-order: new boxes load at the top and lie in front of older ones.
    std::vector<BoxArea> boxes { BoxArea {} };
    std::vector<PolygonArea> polygons;

    BoxArea& box(int16_t index) { return boxes[static_cast<size_t>(index)]; }
    const BoxArea& box(int16_t index) const { return boxes[static_cast<size_t>(index)]; }
    PolygonArea& polygon(int16_t index) { return polygons[static_cast<size_t>(index)]; }
    const PolygonArea& polygon(int16_t index) const { return polygons[static_cast<size_t>(index)]; }

    friend bool operator==(const ImagemapDocument& a, const ImagemapDocument& b)
    {
        return a.boxCount == b.boxCount && a.polyCount == b.polyCount && a.boxes == b.boxes && a.polygons == b.polygons;
    }
    friend bool operator!=(const ImagemapDocument& a, const ImagemapDocument& b) { return !(a == b); }
};

// Resizes the lists of one kind to 0..count+1, keeping their contents. Called right after
// every change of boxCount (isBox) or polyCount (!isBox).
void GrowAreaArrays(ImagemapDocument& map, bool isBox);

// Gives box element index an outline: element 0's properties, hidden. Its texts stay.
void LoadShape(ImagemapDocument& map, int16_t index);
// Takes box element index's outline away; its texts stay, for the spare element.
void UnloadShape(ImagemapDocument& map, int16_t index);

// Places a box's outline, as one step. Left and Top stay within the 16-bit coordinate
// range and the size between 0 and 65535, whatever the arithmetic that produced them.
void MoveShape(ShapeControl& shape, double left, double top, double width, double height);

// Moves every vertex of a polygon by (dx, dy), rounded half to even. At the ends of the
// 16-bit range the polygon stops as a whole, keeping its shape. Element 0 of the arrays
// holds no vertex but goes along.
void ShiftPolygon(PolygonArea& polygon, double dx, double dy);

// Resizes both coordinate arrays of a polygon to 0..upperBound, keeping contents.
void ResizeVertexArrays(PolygonArea& polygon, int16_t upperBound);

// The first steps of every area creation: the count, the outline and the lists grow
// together. They return the new area's index, or 0 when the kind is full, in which case
// nothing changes and the caller shows AreaLimitMessage.
int16_t AddBoxElement(ImagemapDocument& map);
int16_t AddPolygonRecord(ImagemapDocument& map);

QString AreaLimitMessage(AreaKind kind);
QString VertexLimitMessage();
