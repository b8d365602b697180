#pragma once

#include "document/AreaKind.h"
#include "document/BoxArea.h"
#include "editing/ToolMode.h"

#include <QString>

#include <cstdint>
#include <vector>

// The selected area as a move or a handle drag found it at the press: each step of the drag
// works the area out afresh from it, so that an area stopped at the end of the coordinate
// range comes back with the pointer.
struct DragStart {
    AreaRef area;
    ShapeControl box; // a box's outline
    std::vector<int16_t> vertexX; // a polygon's vertex arrays
    std::vector<int16_t> vertexY;

    friend bool operator==(const DragStart& a, const DragStart& b)
    {
        return a.area.kind == b.area.kind && a.area.index == b.area.index && a.box == b.box && a.vertexX == b.vertexX
            && a.vertexY == b.vertexY;
    }
};

// How the editor is being used right now, kept apart from the map: the tool, the pointer,
// the gesture in progress, the selection and what the area clipboard holds.
struct EditorState {
    ToolMode toolMode = ToolMode::Arrow;
    int16_t drawingBox = 0; // box being stretched by a rubber band, 0 when none
    float pressX = 0; // the press point of a move or rubber band
    int16_t pressY = 0;
    DragStart dragStart;
    int16_t buildingPoly = 0; // polygon whose vertices are being clicked, 0 when none
    float mouseX = 0; // last pointer position over the canvas, in whole picture pixels
    int16_t mouseY = 0;
    int32_t mouseScreenX = 0; // and the canvas's own pixel there, which handles are reached in
    int32_t mouseScreenY = 0;
    int16_t selBox = 0; // at most one of selBox and selPoly is non-zero
    int16_t selPoly = 0;
    bool buttonDown = false;
    int16_t hoverCorner = 0; // corner of the selected box or vertex of the selected polygon under the pointer
    int16_t hoverSide = 0; // side of the selected box under the pointer
    QString imagePath; // the picture chosen last, offered again by the next New Imagemap
    AreaKind clipKind = AreaKind::None; // what the clipboard slot 0 holds

    friend bool operator==(const EditorState& a, const EditorState& b)
    {
        return a.toolMode == b.toolMode && a.drawingBox == b.drawingBox && a.pressX == b.pressX && a.pressY == b.pressY
            && a.buildingPoly == b.buildingPoly && a.mouseX == b.mouseX && a.mouseY == b.mouseY
            && a.mouseScreenX == b.mouseScreenX && a.mouseScreenY == b.mouseScreenY && a.selBox == b.selBox
            && a.selPoly == b.selPoly && a.buttonDown == b.buttonDown && a.hoverCorner == b.hoverCorner
            && a.hoverSide == b.hoverSide && a.imagePath == b.imagePath && a.clipKind == b.clipKind
            && a.dragStart == b.dragStart;
    }
    friend bool operator!=(const EditorState& a, const EditorState& b) { return !(a == b); }
};
