#include "editor/Editing.h"

#include <QCoreApplication>

void selectArea(Editing& editing, AreaId id)
{
    EditorState& state = editing.state;
    if (state.selected != id)
        state.hover = {};
    state.selected = id;
    state.selectionShown = state.selectionShown || id != 0;
}

void showProperties(Editing& editing, const Area& area)
{
    editing.state.panel = { true, area.text(QLatin1String("href")), area.text(QLatin1String("alt")) };
}

void clearProperties(Editing& editing)
{
    editing.state.panel = {};
}

void armTool(Editing& editing, Tool tool)
{
    EditorState& state = editing.state;
    state.tool = tool;
    state.cursor = tool == Tool::Arrow ? Qt::ArrowCursor : Qt::CrossCursor;
    state.traceOutline.reset(); // shown again by the trace tool's next hover
}

QString areaLimitMessage(AreaShape shape)
{
    const QString what = shape == AreaShape::Polygon
        ? QCoreApplication::translate("Editing", "polygons")
        : QCoreApplication::translate("Editing", "rectangles and circles");
    return QCoreApplication::translate("Editing", "This map already holds %1 %2, the most it can hold.")
        .arg(kMaxAreasPerKind)
        .arg(what);
}

QString vertexLimitMessage()
{
    return QCoreApplication::translate("Editing", "This polygon already has %1 points, the most it can hold.")
        .arg(kMaxPolygonVertices);
}
