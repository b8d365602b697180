#include "mainwindow/MainFormView.h"

#include "canvas/CanvasWidget.h"
#include "editing/Editor.h"
#include "mainwindow/MainFormControls.h"
#include "outputwindow/OutputWindowHost.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

MainFormView::MainFormView(const MainFormControls& controls, OutputWindowHost& output)
    : m_controls(controls)
    , m_output(output)
{
}

void MainFormView::Refresh()
{
    m_controls.InnerPict->Display().Refresh();
}

void MainFormView::SetForeColor(Rgb colour)
{
    m_controls.InnerPict->Display().SetForeColor(colour);
}

void MainFormView::Line(float x1, float y1, float x2, float y2)
{
    m_controls.InnerPict->Display().Line(x1, y1, x2, y2);
}

void MainFormView::LineChain(const int16_t* x, const int16_t* y, int vertexCount)
{
    m_controls.InnerPict->Display().LineChain(x, y, vertexCount);
}

void MainFormView::SetMousePointer(MousePointer pointer)
{
    m_controls.InnerPict->SetMousePointer(pointer);
}

CanvasGeometry MainFormView::InnerPictGeometry() const
{
    // Nudges and copies are placed in picture pixels, so the canvas is measured in them too.
    const CanvasWidget* canvas = m_controls.InnerPict;
    const ZoomMapping zoom = canvas->Zoom();
    const QSize picture = canvas->PictureSize();
    return { static_cast<float>(zoom.PictureLength(canvas->x())), static_cast<float>(zoom.PictureLength(canvas->y())),
        static_cast<float>(picture.width()), static_cast<float>(picture.height()) };
}

ZoomMapping MainFormView::Zoom() const
{
    return m_controls.InnerPict->Zoom();
}

void MainFormView::MovePolyShape(float left, float top, float width, float height)
{
    m_controls.InnerPict->Display().MovePolyShape(left, top, width, height);
}

void MainFormView::SetPolyShapeVisible(bool visible)
{
    m_controls.InnerPict->Display().SetPolyShapeVisible(visible);
}

void MainFormView::SetPropertyBoxesEnabled(bool enabled)
{
    m_controls.HrefText->setEnabled(enabled);
    m_controls.AltText->setEnabled(enabled);
}

void MainFormView::ShowHrefText(const QString& text)
{
    m_controls.HrefText->setText(text);
}

void MainFormView::ShowAltText(const QString& text)
{
    m_controls.AltText->setText(text);
}

void MainFormView::SetStatusText(const QString& text)
{
    m_controls.PositionPanel->setText(text);
}

void MainFormView::ShowNotice(const QString& text)
{
    ShowNoticeWithDetails(text, QString());
}

void MainFormView::ShowNoticeWithDetails(const QString& text, const QString& details)
{
    m_controls.NoticePanel->setText(text);
    m_controls.NoticePanel->setToolTip(details);
}

FocusedControl MainFormView::KeyboardFocus() const
{
    const QWidget* focused = QApplication::focusWidget();
    if (!focused)
        return FocusedControl::None;
    if (focused == m_controls.MapNameText)
        return FocusedControl::MapNameText;
    if (focused == m_controls.HrefText)
        return FocusedControl::HrefText;
    if (focused == m_controls.AltText)
        return FocusedControl::AltText;
    return FocusedControl::Other;
}

QString MainFormView::MapNameText() const
{
    return m_controls.MapNameText->text();
}

void MainFormView::AppendOutputAndShow(const QString& text)
{
    m_output.AppendAndShow(text);
}

void MainFormView::Present(const Editor& editor)
{
    m_controls.InnerPict->Present(editor.map);
    // The armed tool's button stays down until the tool is used up or another is chosen.
    const ToolMode tool = editor.state.toolMode;
    m_controls.rectButton->setChecked(tool == ToolMode::Rect);
    m_controls.circleButton->setChecked(tool == ToolMode::Circle);
    m_controls.polyButton->setChecked(tool == ToolMode::Poly);
}
