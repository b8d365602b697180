#include "editor/Tools.h"

const EditorTool& editorTool(Tool tool)
{
    static const ArrowTool arrow;
    static const BoxTool rectangle(AreaShape::Rectangle);
    static const BoxTool circle(AreaShape::Circle);
    static const PolygonTool polygon;
    static const TraceTool trace;
    switch (tool) {
    case Tool::Rectangle:
        return rectangle;
    case Tool::Circle:
        return circle;
    case Tool::Polygon:
        return polygon;
    case Tool::Trace:
        return trace;
    case Tool::Arrow:
        break;
    }
    return arrow;
}
