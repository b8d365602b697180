#pragma once

#include "preview/AreaReach.h"

#include <QFutureWatcher>
#include <QObject>

#include <atomic>
#include <memory>
#include <vector>

class BrowserMap;
struct BrowserLayout;

// Looks for the areas no pixel leads to on a worker, so that the window answers at once even
// on the largest map. A new search, or the end of the preview, stops the one under way.
class ReachSearch : public QObject {
    Q_OBJECT
public:
    ReachSearch(BrowserMap& browser, QObject* parent);
    ~ReachSearch() override;

    // For the browser map's layout as it is now.
    void start();
    void stop();
    bool isSearching() const { return m_watcher.isRunning(); }

signals:
    // The browser map holds the answer for its layout.
    void found();

private:
    void finished();

    BrowserMap& m_browser;
    std::shared_ptr<const BrowserLayout> m_layout;
    std::shared_ptr<std::atomic<bool>> m_stop;
    QFutureWatcher<std::vector<AreaReach>> m_watcher;
};
