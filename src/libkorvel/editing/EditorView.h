#pragma once

#include "display/ZoomMapping.h"
#include "document/Colours.h"

#include <QString>

#include <cstdint>

struct Editor;

// Pointer shapes over the canvas.
enum class MousePointer : int16_t {
    Arrow = 1,
    Cross = 2, // a drawing tool is armed
    SizeNESW = 6, // top-right and bottom-left corners
    SizeNS = 7, // top and bottom sides
    SizeNWSE = 8, // top-left and bottom-right corners
    SizeWE = 9, // left and right sides
    SizeAll = 15, // moving, or over a polygon vertex
};

// The control that has the keyboard focus, as far as the keyboard commands care.
enum class FocusedControl {
    None, // another program is active
    MapNameText,
    HrefText,
    AltText,
    Other,
};

// The canvas's position inside its viewport (0 or negative when scrolled) and its size,
// in picture pixels at every zoom.
struct CanvasGeometry {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

// Everything the editing code asks of the screen. The main window implements it with
// widgets; tests implement it with a recorder.
class EditorView {
public:
    virtual ~EditorView() = default;

    // The canvas. Refresh repaints the picture and the box areas and wipes every line drawn
    // since the last Refresh; Line draws above them in the current pen colour.
    virtual void Refresh() = 0;
    virtual void SetForeColor(Rgb colour) = 0;
    virtual void Line(float x1, float y1, float x2, float y2) = 0;
    // The edges of a chain of vertices, exactly as vertexCount - 1 Line calls from each
    // vertex to the next would draw them; a canvas can take them in one go.
    virtual void LineChain(const int16_t* x, const int16_t* y, int vertexCount)
    {
        for (int k = 0; k + 1 < vertexCount; ++k)
            Line(x[k], y[k], x[k + 1], y[k + 1]);
    }
    virtual void SetMousePointer(MousePointer pointer) = 0;
    virtual CanvasGeometry InnerPictGeometry() const = 0;
    // How the canvas is zoomed. Everything the editing code reads and draws stays in picture
    // pixels; only what must keep its size on screen (handles, their reach, the closing
    // marker) is measured with it.
    virtual ZoomMapping Zoom() const { return ZoomMapping(); }
    // The polygon-closing marker: a small circle outline on the canvas.
    virtual void MovePolyShape(float left, float top, float width, float height) = 0;
    virtual void SetPolyShapeVisible(bool visible) = 0;

    // The properties panel: the URL and alt text boxes. Showing a text here only shows it;
    // the editing code stores it into the selected area itself.
    virtual void SetPropertyBoxesEnabled(bool enabled) = 0;
    virtual void ShowHrefText(const QString& text) = 0;
    virtual void ShowAltText(const QString& text) = 0;

    // The status bar: the pointer position, and notices such as a reached limit.
    virtual void SetStatusText(const QString& text) = 0;
    virtual void ShowNotice(const QString& text) = 0;

    virtual FocusedControl KeyboardFocus() const = 0;

    // The map name box and the output window.
    virtual QString MapNameText() const = 0;
    virtual void AppendOutputAndShow(const QString& text) = 0;

    // Called after every event the editor handled: make the screen match the editor (box
    // outlines moved or recoloured, lines drawn or wiped, the armed tool).
    virtual void Present(const Editor& editor) = 0;
};
