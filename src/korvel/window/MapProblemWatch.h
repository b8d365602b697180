#pragma once

#include "map/Area.h"
#include "map/MapObserver.h"

#include <QFutureWatcher>
#include <QObject>
#include <QSize>
#include <QTimer>

#include <vector>

class MapEditor;

// One problem of the map under edit, as the window lists it.
struct ShownProblem {
    AreaId area = 0; // 0: the map itself
    QString text; // `map "nav", area 3: no click can reach it: …`
};
using ShownProblems = std::vector<ShownProblem>;

// Checks the map under edit a moment after it changes, on a worker thread with a copy of the
// map, so that typing and dragging never wait for the checks, however large the map. The
// polygon being built is left out until it is finished.
class MapProblemWatch : public QObject, private MapChangeObserver {
    Q_OBJECT
public:
    explicit MapProblemWatch(MapEditor& editor, QObject* parent = nullptr);
    ~MapProblemWatch() override;

    // The size the picture is shown at; the checks of pixels need it.
    void setPictureSize(const QSize& size);
    const ShownProblems& problems() const { return m_problems; }

signals:
    void problemsChanged();

private:
    void changed();
    void editorStateChanged();
    void startCheck();
    void checkFinished();

    void mapChanged() override { changed(); }

    MapEditor& m_editor;
    QSize m_pictureSize;
    QString m_checkedName; // the map's name and the polygon being built as last checked
    AreaId m_checkedBuilding = 0;
    QTimer m_delay;
    QFutureWatcher<ShownProblems> m_running;
    bool m_changedWhileRunning = false;
    ShownProblems m_problems;
};
