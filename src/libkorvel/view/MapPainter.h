#pragma once

#include "editor/EditorState.h"
#include "view/ZoomMapping.h"

#include <QColor>
#include <QLine>
#include <QPen>
#include <QPoint>
#include <QRect>

#include <optional>
#include <vector>

class AreaIndex;
class ImageMap;
struct BrowserLayout;
enum class AreaReach : uint8_t;
class QPainter;
class QRegion;

// The outline of every unselected rectangle and circle, and of unselected polygons once a
// selection has been shown.
constexpr QRgb kNormalColour = qRgb(115, 115, 115);
// The selected area and its handles.
constexpr QRgb kSelectedColour = qRgb(255, 0, 255);
// The trace tool's outline: a line of this colour with a dark shadow a pixel right and down
// of it, seen on any picture.
constexpr QRgb kTraceColour = qRgb(255, 220, 0);
constexpr QRgb kTraceShadowColour = qRgb(0, 0, 0);
// The preview: the area a browser follows under the pointer, filled see-through, and the
// areas no pixel leads to, hatched.
constexpr QRgb kFollowedColour = qRgb(0, 100, 230);
constexpr QRgb kFollowedFill = qRgba(0, 100, 230, 80);
constexpr QRgb kUnreachedColour = qRgb(235, 90, 0);

// What the browser preview shows: the map as browsers read it, which areas a pixel leads to
// (nullptr: not known yet), and the map index of the area a browser follows under the pointer
// (-1: none).
struct PreviewLook {
    const BrowserLayout& layout;
    const std::vector<AreaReach>* reach = nullptr;
    int followed = -1;
};

// What the canvas shows above the picture, and at which zoom. windowText is the window's
// text colour: unselected polygons until a selection has been shown, the box being drawn,
// the polygon-closing mark.
struct MapScene {
    const ImageMap& map;
    const AreaIndex& index;
    const EditorState& state;
    ZoomMapping zoom;
    QColor windowText;
    const PreviewLook* preview = nullptr; // while the preview runs
};

// The marks of the polygon being built, in screen pixels.
struct BuildingMarks {
    std::optional<QPoint> closingMark; // centre of the mark on the first corner: a click there closes
    std::optional<QLine> rubberLine; // from the last corner to the pointer
};
BuildingMarks buildingMarks(const ImageMap& map, const EditorState& state, const ZoomMapping& zoom);

// The screen pixels an area's drawing can touch: its outline and the handles it has while
// selected, 1-pixel pens included. Empty for an area that is not drawn.
QRect areaDrawingBounds(const Area& area, const ZoomMapping& zoom);
// The same for the area at index as browsers read it, in the preview.
QRect browserAreaBounds(const BrowserLayout& layout, int index, const ZoomMapping& zoom);
// The same for the closing mark around centre and for a rubber line.
QRect closingMarkBounds(QPoint centre);
QRect rubberLineBounds(const QLine& line);
// The outline the trace tool shows while the state has it armed, if any.
const std::vector<Vertex>* shownTraceOutline(const EditorState& state);
QRect traceOutlineBounds(const std::vector<Vertex>& outline, const ZoomMapping& zoom);

// The one paint path of the areas, over the picture: the closing mark, the areas in map order,
// the selected area's handles (the preview's marks instead while it runs), the rubber line, the
// trace tool's outline. Points are whole screen pixels (zoomed canvas
// pixels from the picture's top-left corner), where the hit test looks for them too, and pens
// are one aliased pixel at every zoom. It keeps its working lists between paints.
class MapPainter {
public:
    // Paints what lies in exposed, given in the painter's coordinates, which are screen pixels.
    void paint(QPainter& painter, const QRegion& exposed, const MapScene& scene);

private:
    void findAreasNear(const QRegion& exposed, const MapScene& scene);
    void drawArea(QPainter& painter, const Area& area, const MapScene& scene);
    void drawPolygon(QPainter& painter, const Area& area, bool closed, const ZoomMapping& zoom);
    void addPoint(QPoint point);
    void drawHandles(QPainter& painter, const Area& area, const ZoomMapping& zoom);
    void drawTraceOutline(QPainter& painter, const std::vector<Vertex>& outline, const ZoomMapping& zoom);
    void paintPreview(QPainter& painter, const QRegion& exposed, const PreviewLook& look, const ZoomMapping& zoom);
    void drawBrowserArea(QPainter& painter, const BrowserLayout& layout, int index, const ZoomMapping& zoom);

    std::vector<int> m_near; // map indexes of the areas near the exposed part
    std::vector<QPoint> m_points;
    QPen m_normal { QColor(kNormalColour), 1 };
    QPen m_selected { QColor(kSelectedColour), 1 };
    QPen m_text;
    QPen m_traceShadow { QColor(kTraceShadowColour), 1 };
    QPen m_trace { QColor(kTraceColour), 1 };
};
