#pragma once

#include "window/MapProblemWatch.h"

#include <QObject>
#include <QPointer>

class MapEditor;
class ProblemListWindow;
class QWidget;
struct WindowControls;

// The map's problems in the main window: their number in the status bar at all times, their
// list one click on it away, and a click on a problem selects its area and scrolls it into
// view (a problem of the map's own takes the focus to the map's name).
class ProblemsDisplay : public QObject {
    Q_OBJECT
public:
    // Lives no longer than the editor, the controls and the main window.
    ProblemsDisplay(MapEditor& editor, const WindowControls& controls, QWidget* mainWindow);

    // A picture is open: its size, which the checks of pixels need.
    void setPictureSize(const QSize& size);
    const MapProblemWatch& watch() const { return m_watch; }
    ProblemListWindow* listWindow() const;
    void showList();
    void chooseProblem(int row);

private:
    void showProblems();

    MapEditor& m_editor;
    const WindowControls& m_controls;
    QWidget* m_mainWindow;
    MapProblemWatch m_watch;
    QPointer<ProblemListWindow> m_list;
    bool m_pictureOpen = false;
};
