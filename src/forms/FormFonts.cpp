#include "forms/FormFonts.h"

#include <QFontMetricsF>
#include <QStringList>
#include <QWidget>

QFont FormFont(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Sans Serif")});
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
