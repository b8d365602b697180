#include "support/RecordingView.h"

void RecordingView::Refresh()
{
    ++refreshCount;
    segments.clear();
}

void RecordingView::MovePolyShape(float left, float top, float width, float height)
{
    polyShape[0] = left;
    polyShape[1] = top;
    polyShape[2] = width;
    polyShape[3] = height;
}

void RecordingView::AppendOutputAndShow(const QString& text)
{
    output += text;
    ++outputShows;
}
