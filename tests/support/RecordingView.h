#pragma once

#include "editing/EditorView.h"

#include <QStringList>

#include <algorithm>
#include <vector>

// An EditorView that remembers what the editing code asked of the screen, and keeps the
// canvas's transient lines the way the real canvas does: Refresh wipes them.
class RecordingView : public EditorView {
public:
    struct Segment {
        float x1, y1, x2, y2;
        Rgb colour;
        friend bool operator==(const Segment& a, const Segment& b)
        {
            return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.colour == b.colour;
        }
    };

    void Refresh() override
    {
        ++refreshCount;
        segments.clear();
    }
    void SetForeColor(Rgb colour) override { foreColor = colour; }
    void Line(float x1, float y1, float x2, float y2) override { segments.push_back({ x1, y1, x2, y2, foreColor }); }
    void SetMousePointer(MousePointer pointer) override { mousePointer = pointer; }
    CanvasGeometry InnerPictGeometry() const override { return canvas; }
    ZoomMapping Zoom() const override { return zoom; }
    void MovePolyShape(float left, float top, float width, float height) override
    {
        const float shape[4] = { left, top, width, height };
        std::copy(shape, shape + 4, polyShape);
    }
    void SetPolyShapeVisible(bool visible) override { polyShapeVisible = visible; }
    void SetPropertyBoxesEnabled(bool enabled) override { panelEnabled = enabled; }
    void ShowHrefText(const QString& text) override { hrefText = text; }
    void ShowAltText(const QString& text) override { altText = text; }
    void SetStatusText(const QString& text) override { statusText = text; }
    void ShowNotice(const QString& text) override { notices << text; }
    FocusedControl KeyboardFocus() const override { return focus; }
    QString MapNameText() const override { return mapName; }
    void AppendOutputAndShow(const QString& text) override
    {
        output += text;
        ++outputShows;
    }
    void Present(const Editor&) override { ++presentCount; }

    // What is on screen and what happened.
    int refreshCount = 0;
    int presentCount = 0;
    std::vector<Segment> segments;
    Rgb foreColor = DefaultWindowTextColour;
    MousePointer mousePointer = MousePointer::Arrow;
    float polyShape[4] = { 0, 0, 0, 0 }; // left, top, width, height
    bool polyShapeVisible = false;
    bool panelEnabled = false;
    QString hrefText;
    QString altText;
    QString statusText;
    QStringList notices;
    QString output;
    int outputShows = 0;

    // What the editing code reads.
    CanvasGeometry canvas { 0, 0, 640, 480 };
    ZoomMapping zoom;
    FocusedControl focus = FocusedControl::Other;
    QString mapName;
};
