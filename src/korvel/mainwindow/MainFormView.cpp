#include "mainwindow/MainFormView.h"

#include "canvas/CanvasWidget.h"
#include "mainwindow/MainFormControls.h"
#include "outputwindow/OutputWindowHost.h"

#include <QLabel>
#include <QLineEdit>

MainFormView::MainFormView(const MainFormControls& controls, OutputWindowHost& output)
    : m_controls(controls)
    , m_output(output)
{
}

void MainFormView::Refresh()
{
    m_controls.InnerPict->Refresh();
}

void MainFormView::SetForeColor(Rgb colour)
{
    m_controls.InnerPict->SetForeColor(colour);
}

void MainFormView::Line(float x1, float y1, float x2, float y2)
{
    m_controls.InnerPict->Line(x1, y1, x2, y2);
}

void MainFormView::LineChain(const int16_t* x, const int16_t* y, int vertexCount)
{
    m_controls.InnerPict->LineChain(x, y, vertexCount);
}

void MainFormView::SetMousePointer(MousePointer pointer)
{
    m_controls.InnerPict->SetMousePointer(pointer);
}

CanvasGeometry MainFormView::InnerPictGeometry() const
{
    const QRect g = m_controls.InnerPict->geometry();
    return { static_cast<float>(g.left()), static_cast<float>(g.top()), static_cast<float>(g.width()),
        static_cast<float>(g.height()) };
}

void MainFormView::SetStatusText(const QString& text)
{
    m_controls.PositionPanel->setText(text);
}

void MainFormView::ShowNotice(const QString& text)
{
    m_controls.NoticePanel->setText(text);
}

QString MainFormView::MapNameText() const
{
    return m_controls.MapNameText->text();
}

void MainFormView::AppendOutputAndShow(const QString& text)
{
    m_output.AppendAndShow(text);
}
