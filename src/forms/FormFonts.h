#pragma once

#include <QFont>

class QWidget;

// The windows' face is "MS Sans Serif"; where it is missing, the platform's
// sans-serif at the same size and weight stands in.
QFont FormFont(qreal pointSize = 8.25, bool bold = false);

// Stand-in faces run wider than the original; a caption that would be cut off at its
// design width gets a slightly smaller size instead.
void ShrinkFontToFit(QWidget* widget, const QString& text, int availableWidth);
