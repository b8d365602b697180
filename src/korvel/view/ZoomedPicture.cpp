#include "view/ZoomedPicture.h"

#include "map/Numbers.h"
#include "view/AreaAverage.h"

#include <QFutureWatcher>
#include <QPainter>
#include <QtConcurrent>

namespace {

// The picture reduced to size; a null image when there is no memory for it or it was stopped.
QImage reducedCopy(const QImage& picture, QSize size, const std::atomic<bool>& stop)
{
    QImage copy(size, picture.format());
    if (copy.isNull())
        return copy;
    const bool made = averageDown(reinterpret_cast<const uint32_t*>(picture.constBits()), picture.width(),
        picture.height(), picture.bytesPerLine() / 4, reinterpret_cast<uint32_t*>(copy.bits()), copy.width(),
        copy.height(), copy.bytesPerLine() / 4, stop);
    return made ? copy : QImage();
}

} // namespace

ZoomedPicture::ZoomedPicture(QObject* parent)
    : QObject(parent)
    , m_stop(std::make_shared<std::atomic<bool>>(false))
{
    m_workers.setMaxThreadCount(1);
}

ZoomedPicture::~ZoomedPicture()
{
    forgetCopies();
}

void ZoomedPicture::setPicture(const QImage& image)
{
    forgetCopies();
    m_hasAlpha = image.hasAlphaChannel();
    // One conversion now spares one on every paint; an image already in the format is shared.
    m_picture = image.convertToFormat(m_hasAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

void ZoomedPicture::forgetCopies()
{
    // Copies not started are dropped; one being made stops at its next row.
    m_workers.clear();
    m_stop->store(true);
    m_stop = std::make_shared<std::atomic<bool>>(false);
    for (auto& making : m_making)
        delete making.second;
    m_making.clear();
    m_copies.clear();
}

void ZoomedPicture::prepare(const ZoomMapping& zoom)
{
    if (m_picture.isNull() || zoom.factor() >= 1 || hasCopy(zoom) || m_making.count(zoom) != 0)
        return;
    auto* watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, zoom] { takeCopy(zoom); });
    m_making[zoom] = watcher;
    auto reduce = [picture = m_picture, size = zoom.screenSize(m_picture.size()), stop = m_stop] {
        return reducedCopy(picture, size, *stop);
    };
    watcher->setFuture(
        QtConcurrent::task(std::move(reduce)).onThreadPool(m_workers).withPriority(++m_requests).spawn());
}

void ZoomedPicture::takeCopy(const ZoomMapping& zoom)
{
    const auto making = m_making.find(zoom);
    if (making == m_making.end())
        return;
    const QImage copy = making->second->result();
    making->second->deleteLater();
    m_making.erase(making);
    if (copy.isNull())
        return; // no memory for it: the level stays sampled from a larger image
    m_copies[zoom] = copy;
    emit copyMade(zoom);
}

void ZoomedPicture::draw(QPainter& painter, const QRect& exposed, const ZoomMapping& zoom) const
{
    if (m_picture.isNull())
        return;
    if (zoom.denominator() == 1)
        drawEnlarged(painter, exposed, zoom.numerator());
    else
        drawReduced(painter, exposed, zoom);
}

void ZoomedPicture::drawEnlarged(QPainter& painter, const QRect& exposed, int factor) const
{
    // The picture pixels under the exposed part, each drawn as a factor x factor square; a
    // whole factor keeps the squares equal and in step with the mouse's mapping.
    const QRect source = QRect(QPoint(static_cast<int>(floorDivide(exposed.left(), factor)),
                                   static_cast<int>(floorDivide(exposed.top(), factor))),
        QPoint(static_cast<int>(floorDivide(exposed.right(), factor)),
            static_cast<int>(floorDivide(exposed.bottom(), factor))))
                             .intersected(m_picture.rect());
    if (source.isEmpty())
        return;
    painter.drawImage(QRect(source.topLeft() * factor, source.size() * factor), m_picture, source);
}

void ZoomedPicture::drawReduced(QPainter& painter, const QRect& exposed, const ZoomMapping& zoom) const
{
    const auto copy = m_copies.find(zoom);
    if (copy != m_copies.end()) {
        painter.drawImage(exposed, copy->second, exposed);
        return;
    }
    // The smallest copy still larger than this level has the fewest pixels to sample.
    const auto larger = m_copies.upper_bound(zoom);
    const QImage& source = larger != m_copies.end() ? larger->second : m_picture;
    const double scale = (larger != m_copies.end() ? larger->first.factor() : 1.0) / zoom.factor();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(exposed), source,
        QRectF(exposed.x() * scale, exposed.y() * scale, exposed.width() * scale, exposed.height() * scale));
    painter.restore();
}
