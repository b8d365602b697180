#include "picture/BackgroundPictureReader.h"

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
    Abandon();
    m_pool.waitForDone();
}

void BackgroundPictureReader::Start(const QString& path)
{
    Abandon();
    m_path = path;
    m_watcher = new QFutureWatcher<LoadedPicture>(this);
    connect(m_watcher, &QFutureWatcherBase::finished, this, &BackgroundPictureReader::OnWatcherFinished);
    m_watcher->setFuture(QtConcurrent::run(&m_pool, LoadPicture, path));
    emit Started(path);
}

void BackgroundPictureReader::Abandon()
{
    if (!IsReading())
        return;
    // Deleting the watcher also drops a result already queued for it.
    delete TakeWatcher();
    emit Stopped();
}

QFutureWatcher<LoadedPicture>* BackgroundPictureReader::TakeWatcher()
{
    m_path.clear();
    return std::exchange(m_watcher, nullptr);
}

void BackgroundPictureReader::OnWatcherFinished()
{
    const QString path = m_path;
    QFutureWatcher<LoadedPicture>* watcher = TakeWatcher();
    const LoadedPicture picture = watcher->result();
    // Later, because this runs inside the watcher's own signal.
    watcher->deleteLater();
    emit Stopped();
    emit Finished(path, picture);
}
