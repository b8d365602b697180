#pragma once

#include "trace/RegionTracer.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QThreadPool>

#include <memory>

// A region traced on the worker: what it was asked for, and what it found.
struct TraceJob {
    QImage picture; // shared with the tracer's, read only
    QPoint pixel;
    TraceSettings settings;
    RegionTracer::TracedRegion traced;
};

// Traces the regions a hover over a large picture asks for on a thread of its own, one at a
// time, so that the window goes on while a large region is traced.
class TraceWorker : public QObject {
    Q_OBJECT
public:
    explicit TraceWorker(QObject* parent = nullptr);
    // Waits for a trace under way.
    ~TraceWorker() override;

    bool isBusy() const { return m_busy; }
    // Starts tracing the region at pixel, unless a trace is under way.
    void start(const QImage& picture, QPoint pixel, const TraceSettings& settings);

signals:
    // On this object's thread, when the trace is done; the worker is free again.
    void traced(const std::shared_ptr<TraceJob>& job);

private:
    QThreadPool m_pool;
    bool m_busy = false;
};
