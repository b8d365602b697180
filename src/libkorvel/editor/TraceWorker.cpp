#include "editor/TraceWorker.h"

TraceWorker::TraceWorker(QObject* parent)
    : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

TraceWorker::~TraceWorker()
{
    m_pool.waitForDone();
}

void TraceWorker::start(const QImage& picture, QPoint pixel, const TraceSettings& settings)
{
    if (m_busy)
        return;
    m_busy = true;
    auto job = std::make_shared<TraceJob>();
    job->picture = picture;
    job->pixel = pixel;
    job->settings = settings;
    m_pool.start([this, job] {
        job->traced = RegionTracer::trace(job->picture, job->pixel, job->settings);
        QMetaObject::invokeMethod(
            this,
            [this, job] {
                m_busy = false;
                emit traced(job);
            },
            Qt::QueuedConnection);
    });
}
