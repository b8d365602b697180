#pragma once

#include "view/ZoomMapping.h"

#include <QImage>
#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <map>
#include <memory>

class QPainter;
template <typename T> class QFutureWatcher;

// The picture as the canvas shows it at any zoom. At 100 % and above it is drawn straight
// from the picture, each picture pixel a sharp square. Below 100 % it is drawn from a
// smoothly scaled copy, made once per level on a worker thread, so that zooming never
// waits for a whole large picture to be scaled; until the copy is there, the exposed part
// is sampled from the nearest larger copy, or from the picture. Only the exposed part is
// ever drawn. One worker makes the copies, the level asked for last first, with arithmetic
// of its own: Qt's smooth scaling shares a thread pool with the window's painting, which
// would then wait for it.
class ZoomedPicture : public QObject {
    Q_OBJECT
public:
    explicit ZoomedPicture(QObject* parent = nullptr);
    ~ZoomedPicture() override;

    // Takes a new picture and forgets every copy of the old one.
    void setPicture(const QImage& image);
    bool isNull() const { return m_picture.isNull(); }
    bool hasAlpha() const { return m_hasAlpha; }
    QSize size() const { return m_picture.size(); }

    // Starts making the copy for a level below 100 % unless it is there or on its way.
    void prepare(const ZoomMapping& zoom);
    bool hasCopy(const ZoomMapping& zoom) const { return m_copies.count(zoom) != 0; }
    bool makingCopies() const { return !m_making.empty(); }

    // Paints the part of the zoomed picture under exposed, in screen pixels.
    void draw(QPainter& painter, const QRect& exposed, const ZoomMapping& zoom) const;

signals:
    void copyMade(const ZoomMapping& zoom);

private:
    void drawEnlarged(QPainter& painter, const QRect& exposed, int factor) const;
    void drawReduced(QPainter& painter, const QRect& exposed, const ZoomMapping& zoom) const;
    void takeCopy(const ZoomMapping& zoom);
    void forgetCopies();

    QImage m_picture;
    bool m_hasAlpha = false;
    QThreadPool m_workers;
    int m_requests = 0; // later requests run first
    std::shared_ptr<std::atomic<bool>> m_stop; // tells the copies of the picture to give up
    std::map<ZoomMapping, QImage> m_copies;
    std::map<ZoomMapping, QFutureWatcher<QImage>*> m_making;
};
