#pragma once

#include "map/Area.h"
#include "view/ZoomMapping.h"

#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

enum class Tool : uint8_t {
    Arrow, // selects, moves and resizes
    Rectangle,
    Circle,
    Polygon,
    Trace, // a polygon round the region of similar colour under a click
};

// A handle of the selected area: a box's corner (1 top-left, 2 top-right, 3 bottom-left,
// 4 bottom-right) or side (1 left, 2 right, 3 top, 4 bottom), or a polygon's stored vertex
// (its index from 0).
struct Handle {
    enum class Kind : uint8_t { None, Corner, Side, Vertex };
    Kind kind = Kind::None;
    int number = 0;

    bool isNone() const { return kind == Kind::None; }
    friend bool operator==(Handle a, Handle b) { return a.kind == b.kind && a.number == b.number; }
    friend bool operator!=(Handle a, Handle b) { return !(a == b); }
};

// The pointer over the canvas: the picture pixel it stands for, and the screen pixel it is
// on (zoomed canvas pixels from the picture's top-left corner). Handles are hit in screen
// pixels, the way they are drawn; everything else in picture pixels.
struct Pointer {
    double x = 0;
    double y = 0;
    QPoint screen;
};

// What the editor knows of the canvas: the zoom, the picture's size and where the visible
// part starts (0 or negative while scrolled), in picture pixels.
struct ViewGeometry {
    ZoomMapping zoom;
    QSizeF picture;
    QPointF offset;
};

// A drag from a press to its release.
struct Gesture {
    enum class Kind : uint8_t { None, Move, Resize, Draw };
    Kind kind = Kind::None;
    AreaId area = 0;
    Handle handle; // Resize: the handle dragged
    Pointer press;
    Area start; // the area as it was at the press: the drag is worked out from it
};

// What the URL and alt text boxes show; typing into them stores into the selected area.
struct PropertiesPanel {
    bool enabled = false;
    QString href;
    QString alt;

    friend bool operator==(const PropertiesPanel& a, const PropertiesPanel& b)
    {
        return a.enabled == b.enabled && a.href == b.href && a.alt == b.alt;
    }
};

// How the editor is being used, kept beside the map: the armed tool, the selection, the
// area clipboard, the polygon being built, the gesture and the hover.
struct EditorState {
    Tool tool = Tool::Arrow;
    AreaId selected = 0;
    AreaId building = 0; // the polygon whose corners are being clicked
    std::optional<Area> clipboard; // Korvel's own: the system clipboard is never involved
    Handle hover; // the handle under the pointer while no button is held: a press drags it
    Gesture gesture;
    bool buttonDown = false;
    Pointer pointer; // where the last pointer move was
    bool pointerSeen = false; // a pointer move has happened at all
    bool closingMarker = false; // the mark on a polygon's first corner: a click there closes it
    bool rubberLine = false; // the line from the last corner to the pointer while building
    // What a click of the trace tool would make at the pointer, shown while it hovers; a new
    // outline is a new object, so that the canvas sees a change by the pointer alone.
    std::shared_ptr<const std::vector<Vertex>> traceOutline;
    // Unselected polygons are drawn in the window's text colour until a selection has been
    // shown, grey from then on.
    bool selectionShown = false;
    PropertiesPanel panel;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    // The browser preview runs: the pointer only shows what a browser does, nothing edits.
    bool previewing = false;
};
