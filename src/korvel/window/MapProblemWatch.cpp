#include "window/MapProblemWatch.h"

#include "check/MapChecks.h"
#include "editor/MapEditor.h"

#include <QtConcurrent>

namespace {

// Long enough that a run of keystrokes or a drag is checked once, at its end.
constexpr int kDelayMs = 250;

ShownProblems checked(const ImageMap& map, const QSize& picture, AreaId building)
{
    ShownProblems shown;
    for (const MapProblem& problem : checkMap(map, MapCheckOptions { picture })) {
        const AreaId area = problem.area >= 0 ? map.at(problem.area).id() : 0;
        if (area == 0 || area != building)
            shown.push_back({ area, problemSubject(map.name(), problem.area) + QLatin1String(": ") + problem.message });
    }
    return shown;
}

} // namespace

MapProblemWatch::MapProblemWatch(MapEditor& editor, QObject* parent)
    : QObject(parent)
    , m_editor(editor)
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(kDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &MapProblemWatch::startCheck);
    connect(&m_running, &QFutureWatcher<ShownProblems>::finished, this, &MapProblemWatch::checkFinished);
    connect(&m_editor, &MapEditor::stateChanged, this, &MapProblemWatch::editorStateChanged);
    m_editor.addMapObserver(this);
}

MapProblemWatch::~MapProblemWatch()
{
    m_editor.removeMapObserver(this);
    m_running.waitForFinished();
}

void MapProblemWatch::setPictureSize(const QSize& size)
{
    m_pictureSize = size;
    changed();
}

void MapProblemWatch::changed()
{
    m_delay.start();
}

// The map's name and the polygon being built change without a change of the areas.
void MapProblemWatch::editorStateChanged()
{
    if (m_editor.map().name() != m_checkedName || m_editor.state().building != m_checkedBuilding)
        changed();
}

void MapProblemWatch::startCheck()
{
    if (m_running.isRunning()) {
        m_changedWhileRunning = true;
        return;
    }
    m_changedWhileRunning = false;
    m_checkedName = m_editor.map().name();
    m_checkedBuilding = m_editor.state().building;
    m_running.setFuture(QtConcurrent::run(checked, m_editor.map(), m_pictureSize, m_checkedBuilding));
}

void MapProblemWatch::checkFinished()
{
    m_problems = m_running.result();
    emit problemsChanged();
    if (m_changedWhileRunning)
        changed();
}
