#pragma once

#include "FuzzEvent.h"
#include "map/ImageMap.h"
#include "support/ScriptedFileDialogs.h"

#include <QString>

#include <memory>

class MainWindow;
class QTemporaryDir;

// A main window, shown offscreen, that plays fuzz events as real Qt events and checks after
// each one that everything still holds.
class FuzzTarget {
public:
    explicit FuzzTarget(const QTemporaryDir& folder);
    ~FuzzTarget();

    void play(const FuzzEvent& event);
    // What no longer holds, one line each; empty when all is well. Cheap enough for every event.
    QString check();
    // Undoes every step back to where the history began, compares, and redoes them all.
    QString checkUndoAllTheWayBack();
    // The undo history moved, or the map changed, since undo was last checked, and no gesture
    // is under way.
    bool historyMoved() const;
    MainWindow& window() const { return *m_window; }

private:
    void playPointer(const FuzzEvent& event);
    void playWheel(const FuzzEvent& event);
    void activate();
    void playKey(const FuzzEvent& event);
    void playType(const FuzzEvent& event);
    void openPicture(int which);
    QString saveAndOpen();
    void historyStarts();
    bool busy() const;
    QString checkScreen() const;

    const QTemporaryDir& m_folder;
    ScriptedFileDialogs m_dialogs;
    std::unique_ptr<MainWindow> m_window;
    // The areas where the undo history begins, and when undo was last checked; the map's name
    // is the name box's own, with its own undo.
    std::vector<Area> m_historyStart;
    std::vector<Area> m_lastChecked;
    QString m_lastFault;
    int m_eventCount = 0;
    bool m_historyMoved = false;
};
