#include "support/RecordingView.h"

void RecordingView::Refresh()
{
    ++refreshCount;
    segments.clear();
}

void RecordingView::AppendOutputAndShow(const QString& text)
{
    output += text;
    ++outputShows;
}
