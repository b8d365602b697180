#pragma once

#include "display/OverlayLines.h"
#include "document/BoxArea.h"

#include <QRectF>

#include <vector>

struct ImagemapDocument;

// Everything the canvas shows above its picture, in picture pixels: the box outlines, the
// polygon-closing marker, and the overlay's lines (polygon edges, handles, the rubber line).
// The editing code draws into it; Present then says which part of the canvas looks
// different from what was last shown, so that only that part is painted again.
//
// Lines are transient: Refresh starts a new set, and lines drawn without a Refresh add to
// the set on screen. A Refresh followed by the same lines as before changes nothing on
// screen, so a redraw of a map of 100,000 vertices that moves one vertex repaints a few
// hundred pixels.
class CanvasDisplay {
public:
    void Refresh();
    void SetForeColor(Rgb colour) { m_foreColor = colour; }
    Rgb ForeColor() const { return m_foreColor; }
    void Line(float x1, float y1, float x2, float y2);
    void LineChain(const int16_t* x, const int16_t* y, int vertexCount);

    void MovePolyShape(float left, float top, float width, float height);
    void SetPolyShapeVisible(bool visible);
    const ShapeControl& PolyShape() const { return m_polyShape; }

    // Takes the map's box outlines and the lines drawn so far as what is now on screen, and
    // returns the part of the picture that looks different; null when nothing does. Its
    // margins cover one-pixel pens at 100 % and above; below, the canvas adds its own.
    QRectF Present(const ImagemapDocument& map);

    // What is on screen: the lines, and the box outlines by box number (element 0 unused).
    const OverlayLines& Lines() const { return m_shown; }
    const std::vector<ShapeControl>& Boxes() const { return m_boxes; }

    // The pixels a box's outline can touch, its pen width included.
    static QRectF OutlineBounds(const ShapeControl& shape);

private:
    void AddDamage(const QRectF& rect);
    void DiffLines();
    void DiffBoxes(const ImagemapDocument& map);

    OverlayLines m_shown;
    OverlayLines m_next; // the lines drawn since a Refresh not yet presented
    bool m_refreshed = false;
    Rgb m_foreColor = DefaultWindowTextColour;
    ShapeControl m_polyShape;
    std::vector<ShapeControl> m_boxes { ShapeControl {} };
    QRectF m_damage;
};
