#pragma once

#include "editing/EditorView.h"

struct MainFormControls;
class OutputWindowHost;

// The editor's view realised with the main window's controls and the output window.
class MainFormView : public EditorView {
public:
    MainFormView(const MainFormControls& controls, OutputWindowHost& output);

    void Refresh() override;
    void SetForeColor(Rgb colour) override;
    void Line(float x1, float y1, float x2, float y2) override;
    void LineChain(const int16_t* x, const int16_t* y, int vertexCount) override;
    void SetMousePointer(MousePointer pointer) override;
    CanvasGeometry InnerPictGeometry() const override;
    ZoomMapping Zoom() const override;
    void MovePolyShape(float left, float top, float width, float height) override;
    void SetPolyShapeVisible(bool visible) override;
    void SetPropertyBoxesEnabled(bool enabled) override;
    void ShowHrefText(const QString& text) override;
    void ShowAltText(const QString& text) override;
    void SetStatusText(const QString& text) override;
    void ShowNotice(const QString& text) override;
    // A notice short enough for the status bar, with the whole story in its tooltip.
    void ShowNoticeWithDetails(const QString& text, const QString& details);
    FocusedControl KeyboardFocus() const override;
    QString MapNameText() const override;
    void AppendOutputAndShow(const QString& text) override;
    void Present(const Editor& editor) override;

private:
    const MainFormControls& m_controls;
    OutputWindowHost& m_output;
};
