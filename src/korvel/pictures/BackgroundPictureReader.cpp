#include "pictures/BackgroundPictureReader.h"

#include <QtConcurrent/QtConcurrentRun>

#include <utility>

BackgroundPictureReader::BackgroundPictureReader(QObject* parent)
    : QObject(parent)
{
    m_pool.setMaxThreadCount(2);
}

BackgroundPictureReader::~BackgroundPictureReader()
{
    // Stopped is not announced from here: whoever listens may be half destroyed already.
    blockSignals(true);
    abandon();
    m_pool.waitForDone();
}

void BackgroundPictureReader::start(const QString& path)
{
    abandon();
    m_path = path;
    m_watcher = new QFutureWatcher<LoadedPicture>(this);
    connect(m_watcher, &QFutureWatcherBase::finished, this, &BackgroundPictureReader::onWatcherFinished);
    m_watcher->setFuture(QtConcurrent::run(&m_pool, loadPicture, path));
    emit started(path);
}

void BackgroundPictureReader::abandon()
{
    if (!isReading())
        return;
    // Deleting the watcher also drops a result already queued for it.
    delete takeWatcher();
    emit stopped();
}

QFutureWatcher<LoadedPicture>* BackgroundPictureReader::takeWatcher()
{
    m_path.clear();
    return std::exchange(m_watcher, nullptr);
}

void BackgroundPictureReader::onWatcherFinished()
{
    const QString path = m_path;
    QFutureWatcher<LoadedPicture>* watcher = takeWatcher();
    const LoadedPicture picture = watcher->result();
    // Later, because this runs inside the watcher's own signal.
    watcher->deleteLater();
    emit stopped();
    emit finished(path, picture);
}
