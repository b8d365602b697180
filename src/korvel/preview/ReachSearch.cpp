#include "preview/ReachSearch.h"

#include "preview/BrowserMap.h"

#include <QtConcurrent>

ReachSearch::ReachSearch(BrowserMap& browser, QObject* parent)
    : QObject(parent)
    , m_browser(browser)
{
    connect(&m_watcher, &QFutureWatcher<std::vector<AreaReach>>::finished, this, &ReachSearch::finished);
}

ReachSearch::~ReachSearch()
{
    stop();
}

void ReachSearch::start()
{
    stop();
    m_layout = m_browser.layout();
    m_stop = std::make_shared<std::atomic<bool>>(false);
    // The worker holds the layout and the stop itself: either may outlive this search.
    m_watcher.setFuture(QtConcurrent::run([layout = m_layout, stop = m_stop] {
        return findReach(*layout, kReachBudget, stop.get());
    }));
}

void ReachSearch::stop()
{
    if (m_stop)
        m_stop->store(true);
    m_stop.reset();
    m_layout.reset();
}

void ReachSearch::finished()
{
    if (!m_layout || m_watcher.future().resultCount() == 0)
        return; // stopped
    m_browser.setReach(m_layout, m_watcher.result());
    m_layout.reset();
    emit found();
}
