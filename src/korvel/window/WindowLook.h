#pragma once

#include <QFont>
#include <QIcon>
#include <QString>

class QColor;
class QWidget;

// The windows' face is "MS Sans Serif"; where it is missing, the platform's sans-serif at the
// same size and weight is used.
QFont windowFont(qreal pointSize = 8.25, bool bold = false);

// Other faces run wider than "MS Sans Serif"; a caption that would be cut off at its design
// width gets a slightly smaller size instead.
void shrinkFontToFit(QWidget* widget, const QString& text, int availableWidth);

// What every Korvel window shares: the application icon, the font and a plain background.
void applyWindowLook(QWidget* window, const QColor& background);

// Shows a modeless window, or only brings it forward when it is already visible.
void showOrBringForward(QWidget* window);

// A fixed dialog frame: a title and a close button, no resizing, no minimise or maximise box.
constexpr Qt::WindowFlags kFixedDialogFrame = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
    | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;

// Text with CR LF line breaks, as Korvel produces it, made ready for a Qt text widget.
QString withLineBreaksForDisplay(QString text);

// The pictures of the tool buttons and the application's icon, drawn from their SVG sources at
// each size so that lines stay sharp on high-DPI screens.
QIcon toolPicture(const QString& name);
QIcon korvelIcon();

// "Korvel v1.0": the caption of the main window and the title of Help.
QString korvelTitle();
