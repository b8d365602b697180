#include "canvas/ZoomedPicture.h"

#include "document/Numbers.h"

#include <QFutureWatcher>
#include <QPainter>
#include <QtConcurrent>

ZoomedPicture::ZoomedPicture(QObject* parent)
    : QObject(parent)
{
}

ZoomedPicture::~ZoomedPicture()
{
    ForgetCopies();
}

void ZoomedPicture::SetPicture(const QImage& image)
{
    ForgetCopies();
    m_hasAlpha = image.hasAlphaChannel();
    // One conversion now spares one on every paint; an image already in the format is shared.
    m_picture = image.convertToFormat(m_hasAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

void ZoomedPicture::ForgetCopies()
{
    // A copy still being made finishes on its worker and is dropped there.
    for (auto& making : m_making)
        delete making.second;
    m_making.clear();
    m_copies.clear();
}

void ZoomedPicture::Prepare(const ZoomMapping& zoom)
{
    if (m_picture.isNull() || zoom.Factor() >= 1 || HasCopy(zoom) || m_making.count(zoom) != 0)
        return;
    auto* watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, zoom] { TakeCopy(zoom); });
    m_making[zoom] = watcher;
    const QSize size = zoom.ScreenSize(m_picture.size());
    watcher->setFuture(QtConcurrent::run(
        [picture = m_picture, size] { return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation); }));
}

void ZoomedPicture::TakeCopy(const ZoomMapping& zoom)
{
    const auto making = m_making.find(zoom);
    if (making == m_making.end())
        return;
    m_copies[zoom] = making->second->result();
    making->second->deleteLater();
    m_making.erase(making);
    emit CopyMade(zoom);
}

void ZoomedPicture::Draw(QPainter& painter, const QRect& exposed, const ZoomMapping& zoom) const
{
    if (m_picture.isNull())
        return;
    if (zoom.Denominator() == 1)
        DrawEnlarged(painter, exposed, zoom.Numerator());
    else
        DrawReduced(painter, exposed, zoom);
}

void ZoomedPicture::DrawEnlarged(QPainter& painter, const QRect& exposed, int factor) const
{
    // The picture pixels under the exposed part, each drawn as a factor x factor square; a
    // whole factor keeps the squares equal and in step with the mouse's mapping.
    const QRect source = QRect(QPoint(static_cast<int>(FloorDivide(exposed.left(), factor)),
                                   static_cast<int>(FloorDivide(exposed.top(), factor))),
        QPoint(static_cast<int>(FloorDivide(exposed.right(), factor)),
            static_cast<int>(FloorDivide(exposed.bottom(), factor))))
                             .intersected(m_picture.rect());
    if (source.isEmpty())
        return;
    painter.drawImage(QRect(source.topLeft() * factor, source.size() * factor), m_picture, source);
}

void ZoomedPicture::DrawReduced(QPainter& painter, const QRect& exposed, const ZoomMapping& zoom) const
{
    const auto copy = m_copies.find(zoom);
    if (copy != m_copies.end()) {
        painter.drawImage(exposed, copy->second, exposed);
        return;
    }
    const QRectF source(zoom.PictureLength(exposed.x()), zoom.PictureLength(exposed.y()),
        zoom.PictureLength(exposed.width()), zoom.PictureLength(exposed.height()));
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(exposed), m_picture, source);
    painter.restore();
}
