#include "mainwindow/CanvasZoom.h"

#include "canvas/CanvasWidget.h"
#include "display/ZoomLevels.h"
#include "editing/KeyboardCommands.h"
#include "editing/ZoomKeys.h"
#include "forms/ScrollBarControl.h"
#include "forms/ViewportFrame.h"
#include "layout/ZoomScrolling.h"
#include "mainwindow/MainForm.h"

#include <QLabel>
#include <QScrollBar>

CanvasZoom::CanvasZoom(MainForm& form)
    : m_form(form)
{
    const MainFormControls& c = form.Controls();
    connect(c.OuterPict, &ViewportFrame::ZoomWheel, this, &CanvasZoom::StepAround);
    connect(c.InnerPict, &CanvasWidget::ZoomChanged, this, &CanvasZoom::ShowLevel);
    ShowLevel();
}

void CanvasZoom::KeyDown(int16_t keyCode, int16_t shift)
{
    const ZoomCommand command = ZoomCommandForKey(keyCode, shift);
    if (command == ZoomCommand::None || TypingInATextBox(m_form.Session().view()))
        return;
    switch (command) {
    case ZoomCommand::StepIn:
        StepAround(1, ViewportCentre());
        break;
    case ZoomCommand::StepOut:
        StepAround(-1, ViewportCentre());
        break;
    case ZoomCommand::ActualSize:
        ZoomTo(ZoomMapping(), ViewportCentre());
        break;
    case ZoomCommand::FitInView:
        FitInView();
        break;
    case ZoomCommand::None:
        break;
    }
}

void CanvasZoom::StepAround(int steps, QPoint anchor)
{
    ZoomTo(ZoomStepped(m_form.Controls().InnerPict->Zoom(), steps), anchor);
}

void CanvasZoom::FitInView()
{
    const CanvasWidget* canvas = m_form.Controls().InnerPict;
    ZoomTo(FitZoom(RoomWithoutBars(), canvas->PictureSize()), ViewportCentre());
}

void CanvasZoom::ZoomTo(const ZoomMapping& zoom, QPoint anchor)
{
    const MainFormControls& c = m_form.Controls();
    CanvasWidget* canvas = c.InnerPict;
    const ZoomMapping before = canvas->Zoom();
    if (!canvas->HasPicture() || zoom == before)
        return;
    const MainForm::ViewChange change(m_form);
    const int left = OffsetKeepingPoint(before, zoom, canvas->x(), anchor.x());
    const int top = OffsetKeepingPoint(before, zoom, canvas->y(), anchor.y());
    canvas->SetZoom(zoom);
    // The layout sizes the bars for the zoomed canvas and draws the overlay with handles of
    // the new reach; the bars then bring the kept point back under the anchor. A hidden bar
    // keeps its axis at the picture's start, as the layout left it.
    m_form.Form_Resize();
    if (c.HBar->Bar()->isVisibleTo(&m_form))
        c.HBar->setValue(left);
    if (c.VBar->Bar()->isVisibleTo(&m_form))
        c.VBar->setValue(top);
}

QPoint CanvasZoom::ViewportCentre() const
{
    const ViewportFrame* viewport = m_form.Controls().OuterPict;
    return QPoint(viewport->ScaleWidth() / 2, viewport->ScaleHeight() / 2);
}

QSize CanvasZoom::RoomWithoutBars() const
{
    // A bar takes its thickness from the viewport; without it the viewport has that room back.
    const MainFormControls& c = m_form.Controls();
    const int barWidth = c.VBar->Bar()->isVisibleTo(&m_form) ? kScrollBarThickness : 0;
    const int barHeight = c.HBar->Bar()->isVisibleTo(&m_form) ? kScrollBarThickness : 0;
    return QSize(c.OuterPict->ScaleWidth() + barWidth, c.OuterPict->ScaleHeight() + barHeight);
}

void CanvasZoom::ShowLevel()
{
    const MainFormControls& c = m_form.Controls();
    c.ZoomPanel->setText(c.InnerPict->Zoom().PercentText());
}
