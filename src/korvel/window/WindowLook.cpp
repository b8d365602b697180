#include "window/WindowLook.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

QFont windowFont(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies({ QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans"),
        QStringLiteral("Sans Serif") });
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void shrinkFontToFit(QWidget* widget, const QString& text, int availableWidth)
{
    constexpr qreal kSmallestReadable = 6.5;
    QFont font = widget->font();
    while (QFontMetricsF(font).horizontalAdvance(text) > availableWidth && font.pointSizeF() > kSmallestReadable)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    widget->setFont(font);
}

void applyWindowLook(QWidget* window, const QColor& background)
{
    window->setWindowIcon(korvelIcon());
    window->setFont(windowFont());
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, background);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void showOrBringForward(QWidget* window)
{
    if (!window->isVisible()) {
        window->show();
        return;
    }
    window->raise();
    window->activateWindow();
}

QString withLineBreaksForDisplay(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

namespace {

QIcon iconFromSvg(const QString& path, std::initializer_list<int> sizes)
{
    QSvgRenderer renderer(path);
    QIcon icon;
    if (!renderer.isValid())
        return icon;
    for (int size : sizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon toolPicture(const QString& name)
{
    return iconFromSvg(QStringLiteral(":/pictures/%1.svg").arg(name), { 32, 48, 64 });
}

QIcon korvelIcon()
{
    return iconFromSvg(QStringLiteral(":/pictures/icon.svg"), { 16, 24, 32, 48, 64, 128, 256 });
}

QString korvelTitle()
{
    return QStringLiteral("Korvel v") + QStringLiteral(KORVEL_VERSION);
}
