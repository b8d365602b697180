#include "forms/WindowIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

// Rendering each scale from the vector source keeps lines sharp on high-DPI screens,
// where a scaled-up 32-pixel bitmap would blur.
QIcon IconFromSvg(const QString& path, std::initializer_list<int> sizes)
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

QIcon ToolPicture(const QString& name)
{
    return IconFromSvg(QStringLiteral(":/pictures/%1.svg").arg(name), { 32, 48, 64 });
}

QIcon KorvelIcon()
{
    return IconFromSvg(QStringLiteral(":/pictures/icon.svg"), { 16, 24, 32, 48, 64, 128, 256 });
}
