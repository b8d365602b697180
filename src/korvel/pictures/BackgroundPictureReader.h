#pragma once

#include "pictures/PictureLoader.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QThreadPool>

// Reads pictures with loadPicture on a worker thread, so that the window keeps painting and
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
    void start(const QString& path);
    // The current read, if any, is forgotten: finished never comes for it.
    void abandon();
    bool isReading() const { return m_watcher != nullptr; }
    // The file of the current read; empty when there is none.
    QString path() const { return m_path; }

signals:
    // A read has begun.
    void started(const QString& path);
    // The current read ended, by finishing or by being abandoned. Comes before finished, so
    // that whatever showed the wait is gone before the picture or its error appears.
    void stopped();
    // The current read has finished; picture.error tells whether it worked.
    void finished(const QString& path, const LoadedPicture& picture);

private:
    void onWatcherFinished();
    QFutureWatcher<LoadedPicture>* takeWatcher();

    // Two threads: the current read need not queue behind an abandoned one, and a user who
    // abandons read after read still holds at most two decoded pictures at once.
    QThreadPool m_pool;
    QFutureWatcher<LoadedPicture>* m_watcher = nullptr;
    QString m_path;
};
