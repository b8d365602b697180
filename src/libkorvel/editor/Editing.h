#pragma once

#include "editor/EditorState.h"
#include "map/AreaIndex.h"
#include "map/ImageMap.h"
#include "trace/RegionTracer.h"

#include <QPoint>
#include <QString>

#include <optional>

// Everything an editing operation works on: the map, the index of where its areas lie, the
// editor's state and what it knows of the canvas. Operations that refuse (a full map) leave
// their reason in notice.
struct Editing {
    Editing()
        : index(map)
    {
    }
    Editing(const Editing&) = delete;
    Editing& operator=(const Editing&) = delete;

    const Area* selectedArea() const { return map.find(state.selected); }

    ImageMap map;
    AreaIndex index; // follows map
    EditorState state;
    ViewGeometry view;
    QString notice;
    // The trace tool's regions of the picture; a hover over a region not known yet on a large
    // picture leaves its pixel in traceWanted, to be traced apart.
    RegionTracer tracer;
    std::optional<QPoint> traceWanted;
};

// The selection moves to id (0: none). Its handles are looked for afresh at the next move.
void selectArea(Editing& editing, AreaId id);
// The URL and alt text boxes show the area's texts and take typing for it, or are emptied
// and switched off.
void showProperties(Editing& editing, const Area& area);
void clearProperties(Editing& editing);

// The tool is armed, with its pointer shape.
void armTool(Editing& editing, Tool tool);

// Why an area or a vertex cannot be added.
QString areaLimitMessage(AreaShape shape);
QString vertexLimitMessage();
