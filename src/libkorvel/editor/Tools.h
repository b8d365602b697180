#pragma once

#include "editor/EditorState.h"

struct Editing;

// What a tool does with the pointer. hover: the pointer moved with no drag under way; press:
// a button went down on the canvas, with these keyboard modifiers held (a drag the press
// starts goes on in Gestures); click: a press and release on the canvas ended.
class EditorTool {
public:
    virtual ~EditorTool() = default;
    virtual void hover(Editing&) const {}
    virtual void press(Editing&, Qt::KeyboardModifiers) const {}
    virtual void click(Editing&) const {}
};

const EditorTool& editorTool(Tool tool);

// Selects, moves and resizes; Ctrl+press on a corner of the selected polygon takes it away.
class ArrowTool : public EditorTool {
public:
    void hover(Editing& editing) const override;
    void press(Editing& editing, Qt::KeyboardModifiers modifiers) const override;
};

// Draws a rectangle or a circle with one drag.
class BoxTool : public EditorTool {
public:
    explicit BoxTool(AreaShape shape)
        : m_shape(shape)
    {
    }
    void press(Editing& editing, Qt::KeyboardModifiers) const override;

private:
    AreaShape m_shape;
};

// Places a polygon's corners one click at a time and closes it on its first corner.
class PolygonTool : public EditorTool {
public:
    void hover(Editing& editing) const override;
    void click(Editing& editing) const override;
};

// Makes a polygon round the region of similar colour under a click (see RegionTracer); while
// it hovers, the outline a click would give is shown.
class TraceTool : public EditorTool {
public:
    void hover(Editing& editing) const override;
    void click(Editing& editing) const override;
};
