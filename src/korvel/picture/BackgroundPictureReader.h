#pragma once

#include "picture/PictureLoader.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QThreadPool>

// Reads pictures with LoadPicture on a worker thread, so that the window keeps painting and
// answering while a large picture decodes, and hands the result back on the thread that owns
// this object. At most one read is current: starting another or abandoning it means its result
// is never delivered. A decode cannot be interrupted, so an abandoned one runs to its end
// unseen, and destroying the reader waits for that (a couple of seconds at the largest).
class BackgroundPictureReader : public QObject {
    Q_OBJECT
public:
    explicit BackgroundPictureReader(QObject* parent = nullptr);
    ~BackgroundPictureReader() override;

    // Starts reading path, abandoning the current read if there is one.
    void Start(const QString& path);
    // The current read, if any, is forgotten: Finished never comes for it.
    void Abandon();
    bool IsReading() const { return m_watcher != nullptr; }
    // The file of the current read; empty when there is none.
    QString Path() const { return m_path; }

signals:
    // A read has begun.
    void Started(const QString& path);
    // The current read ended, by finishing or by being abandoned. Comes before Finished, so
    // that whatever showed the wait is gone before the picture or its error appears.
    void Stopped();
    // The current read has finished; picture.error tells whether it worked.
    void Finished(const QString& path, const LoadedPicture& picture);

private:
    void OnWatcherFinished();
    QFutureWatcher<LoadedPicture>* TakeWatcher();

    // Two threads: the current read need not queue behind an abandoned one, and a user who
    // abandons read after read still holds at most two decoded pictures at once.
    QThreadPool m_pool;
    QFutureWatcher<LoadedPicture>* m_watcher = nullptr;
    QString m_path;
};
