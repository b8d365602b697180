#include "forms/FormLook.h"

#include "forms/WindowIcon.h"

#include <QFontMetricsF>
#include <QPalette>
#include <QStringList>
#include <QWidget>

QFont FormFont(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies(
        { QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
            QStringLiteral("Arial"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif") });
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void ShrinkFontToFit(QWidget* widget, const QString& text, int availableWidth)
{
    constexpr qreal kSmallestReadable = 6.5;
    QFont font = widget->font();
    while (QFontMetricsF(font).horizontalAdvance(text) > availableWidth && font.pointSizeF() > kSmallestReadable)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    widget->setFont(font);
}

void ApplyFormLook(QWidget* window, const QColor& background)
{
    window->setWindowIcon(KorvelIcon());
    window->setFont(FormFont());
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, background);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void ShowOrBringForward(QWidget* window)
{
    if (!window->isVisible()) {
        window->show();
        return;
    }
    window->raise();
    window->activateWindow();
}

QString WithLineBreaksForDisplay(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
