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
    void SetStatusText(const QString& text) override;
    void ShowNotice(const QString& text) override;
    QString MapNameText() const override;
    void AppendOutputAndShow(const QString& text) override;

private:
    const MainFormControls& m_controls;
    OutputWindowHost& m_output;
};
