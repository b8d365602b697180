#pragma once

#include <QFont>
#include <QString>

class QColor;
class QWidget;

// The windows' face is "MS Sans Serif"; where it is missing, the platform's
// sans-serif at the same size and weight is used.
QFont FormFont(qreal pointSize = 8.25, bool bold = false);

// Other faces run wider than "MS Sans Serif"; a caption that would be cut off at its
// design width gets a slightly smaller size instead.
void ShrinkFontToFit(QWidget* widget, const QString& text, int availableWidth);

// What every Korvel window shares: the application icon, the form font and a plain
// background colour.
void ApplyFormLook(QWidget* window, const QColor& background);

// Shows a modeless window, or only brings it forward when it is already visible.
void ShowOrBringForward(QWidget* window);

// A fixed dialog frame: a title and a close button, no resizing, no minimise or maximise box.
constexpr Qt::WindowFlags kFixedDialogFrame = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
    | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;

// Text with CR LF line breaks, as Korvel produces it, made ready for a Qt text widget.
QString WithLineBreaksForDisplay(QString text);
