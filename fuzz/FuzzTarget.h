#pragma once

#include "FuzzEvent.h"
#include "document/ImagemapDocument.h"
#include "support/ScriptedFileDialog.h"

#include <QString>

#include <memory>

class MainForm;
class QTemporaryDir;

// A main window, shown offscreen, that plays fuzz events as real Qt events and checks after
// each one that everything still holds.
class FuzzTarget {
public:
    explicit FuzzTarget(const QTemporaryDir& folder);
    ~FuzzTarget();

    void Play(const FuzzEvent& event);
    // What no longer holds, one line each; empty when all is well. Cheap enough for every event.
    QString Check() const;
    // Undoes every step back to where the history began, compares, and redoes them all.
    QString CheckUndoAllTheWayBack();
    // The undo history moved, or the map changed, since undo was last checked, and no
    // gesture is under way.
    bool HistoryMoved() const;
    const MainForm& Form() const { return *m_form; }

private:
    void PlayPointer(const FuzzEvent& event);
    void Activate();
    void PlayKey(const FuzzEvent& event);
    void PlayType(const FuzzEvent& event);
    void OpenPicture(int which);
    QString SaveAndOpen();
    void HistoryStarts();

    const QTemporaryDir& m_folder;
    ScriptedFileDialog m_dialogs;
    std::unique_ptr<MainForm> m_form;
    ImagemapDocument m_historyStart; // the map where the undo history begins
    ImagemapDocument m_lastChecked; // the map when undo was last checked
    QString m_lastFault;
    int m_eventCount = 0;
    bool m_historyMoved = false;
};
