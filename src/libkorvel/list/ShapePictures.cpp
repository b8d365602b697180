#include "list/ShapePictures.h"

#include <QPainter>
#include <QPolygonF>

QPixmap drawShapePicture(AreaShape shape)
{
    QPixmap picture(kShapePictureSize, kShapePictureSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF inside(2.5, 3.5, 11, 9);
    switch (shape) {
    case AreaShape::Rectangle:
        painter.setPen(QPen(QColor(40, 40, 40), 1));
        painter.setBrush(QColor(120, 170, 230));
        painter.drawRect(inside);
        break;
    case AreaShape::Circle:
        painter.setPen(QPen(QColor(40, 40, 40), 1));
        painter.setBrush(QColor(120, 200, 140));
        painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
        break;
    case AreaShape::Polygon: {
        painter.setPen(QPen(QColor(40, 40, 40), 1));
        painter.setBrush(QColor(230, 180, 90));
        const QPolygonF star { { 2.5, 6.5 }, { 8, 2 }, { 13.5, 5.5 }, { 11.5, 13.5 }, { 6, 10 }, { 3.5, 13.5 } };
        painter.drawPolygon(star);
        break;
    }
    case AreaShape::Kept:
        // Dashed and grey: there, but not Korvel's to change.
        painter.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
        painter.drawRect(inside);
        break;
    }
    return picture;
}
