#pragma once

#include "document/AreaKind.h"
#include "document/BoxArea.h"
#include "document/PolygonArea.h"
#include "editing/ToolMode.h"

#include <QString>

#include <cstdint>
#include <vector>

// Each list keeps slot 0 for the clipboard and one spare element past the last area,
// all indexed by a 16-bit number, so a kind holds at most 32766 areas.
constexpr int16_t kMaxAreasPerKind = 32766;
// Vertex arrays run 0..vertexCount with a 16-bit count.
constexpr int16_t kMaxPolygonVertices = 32767;

// The imagemap under edit: a plain value that the handlers read and change in place.
// Areas are numbered from 1 within their kind; index 0 means none in the selection
// fields and is the clipboard slot in the area lists.
struct ImagemapDocument {
    ToolMode toolMode = ToolMode::Arrow;
    int16_t boxCount = 0;
    int16_t drawingBox = 0; // box being stretched by a rubber band, 0 when none
    std::vector<QString> boxUrl;
    std::vector<QString> polyUrl;
    std::vector<QString> boxAlt;
    std::vector<QString> polyAlt;
    float pressX = 0; // reference point of a move or rubber band
    int16_t pressY = 0;
    std::vector<PolygonArea> polygons;
    int16_t polyCount = 0;
    int16_t buildingPoly = 0; // polygon whose vertices are being clicked, 0 when none
    float mouseX = 0; // last pointer position over the canvas
    int16_t mouseY = 0;
    int16_t selBox = 0; // at most one of selBox and selPoly is non-zero
    int16_t selPoly = 0;
    bool buttonDown = false;
    int16_t hoverCorner = 0; // corner of the selected box or vertex of the selected polygon under the pointer
    int16_t hoverSide = 0; // side of the selected box under the pointer
    QString imagePath;
    AreaKind clipKind = AreaKind::None;

    // The Shape array of box areas: boxes are elements 1..boxCount, and element 0,
    // never shown, is both the clipboard slot for boxes and the pattern that new
    // elements copy. Elements are loaded at the top and unloaded from the top, and
    // each new one lies in front of the older ones, so index order is z-order.
    std::vector<BoxArea> Shape { BoxArea {} };

    friend bool operator==(const ImagemapDocument& a, const ImagemapDocument& b);
    friend bool operator!=(const ImagemapDocument& a, const ImagemapDocument& b) { return !(a == b); }
};

// Resizes the area lists of one kind to 0..count+1, keeping their contents: the
// texts and vertices left in the spare element stay until something overwrites them.
// Called right after every change of boxCount (isBox) or polyCount (!isBox).
void GrowAreaArrays(ImagemapDocument& doc, bool isBox);

// Adds a hidden element at the top of the Shape array with element 0's properties
// and returns its index.
int16_t LoadShape(ImagemapDocument& doc);
// Removes the top element of the Shape array (never element 0).
void UnloadShape(ImagemapDocument& doc);

// Resizes both coordinate arrays of a polygon to 0..upperBound, keeping contents.
void ResizeVertexArrays(PolygonArea& polygon, int16_t upperBound);

// The first steps of every area creation: count, Shape element and lists grow
// together. They return the new area's index, or 0 when the kind is full, in which
// case nothing changes and the caller shows AreaLimitMessage.
int16_t AddBoxElement(ImagemapDocument& doc);
int16_t AddPolygonRecord(ImagemapDocument& doc);

QString AreaLimitMessage(AreaKind kind);
QString VertexLimitMessage();
