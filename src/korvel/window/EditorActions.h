#pragma once

#include "editor/KeyBindings.h"

#include <QObject>

#include <map>

class CanvasView;
class MapEditor;
class QAction;
class QWidget;

// Every command a key gives, as a QAction of the main window with its key sequences: the
// editor's commands (from editorKeyBindings), the zoom commands, and opening and saving pages.
// The keys that arm a tool are left to the window, which presses the tool's button. The text
// boxes keep their own keys: while one has the focus, only opening and saving, the area list
// and the preview work. The window connects the list's and the preview's actions.
class EditorActions : public QObject {
    Q_OBJECT
public:
    EditorActions(QWidget* window, MapEditor& editor, CanvasView& canvas);

    QAction* action(EditorCommand command) const { return m_actions.at(command); }
    QAction* openAction() const { return m_open; }
    QAction* saveAction() const { return m_save; }
    QAction* saveAsAction() const { return m_saveAs; }

    // While a picture is read, the map is about to be replaced: editing waits.
    void setEditingEnabled(bool enabled);
    // The keys typed into box are the box's own, except the window's commands.
    void keepKeysIn(QWidget* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addAction(QWidget* window, const QList<QKeySequence>& keys);

    std::map<EditorCommand, QAction*> m_actions;
    QAction* m_open;
    QAction* m_save;
    QAction* m_saveAs;
};
