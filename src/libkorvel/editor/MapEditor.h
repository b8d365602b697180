#pragma once

#include "editor/EditStep.h"
#include "editor/Editing.h"
#include "map/MapObserver.h"

#include <QObject>
#include <QUndoStack>

#include <memory>

// The editor behind the main window: the map, the editor's state and one named operation per
// thing a user can do. Every operation is one undo step (a drag from press to release; the
// nudges with one key and the typing into one box while it has the focus merge) and ends
// with stateChanged; changes of the map reach the map's observers as they happen.
class MapEditor : public QObject, private MapObserver {
    Q_OBJECT
public:
    explicit MapEditor(QObject* parent = nullptr);
    ~MapEditor() override;

    const ImageMap& map() const { return m_editing.map; }
    const EditorState& state() const { return m_editing.state; }
    const ViewGeometry& view() const { return m_editing.view; }
    const AreaIndex& index() const { return m_editing.index; }
    const Area* selectedArea() const { return m_editing.selectedArea(); }
    QUndoStack& undoStack() { return m_undo; }
    void addMapObserver(MapObserver* observer) { m_editing.map.addObserver(observer); }
    void removeMapObserver(MapObserver* observer) { m_editing.map.removeObserver(observer); }

    // The canvas was zoomed, scrolled or given a new picture.
    void setView(const ViewGeometry& view);

    // The pointer over the canvas, at whole picture pixels. clicked: the release ends a press
    // and release on the canvas.
    void pointerMoved(const Pointer& pointer);
    void buttonPressed(const Pointer& pointer);
    void buttonReleased(bool clicked);

    void chooseTool(Tool tool);
    void deleteSelected();
    void copySelected();
    void cutSelected();
    void paste();
    void duplicateSelected();
    void nudgeSelected(int dx, int dy);
    // The map's HTML as Generate writes it; the arrow tool is armed again.
    QString generate();
    // The area is selected as a click on it would, with the arrow tool armed: a problem of the
    // map's check was chosen. Nothing happens during a drag, or for an id no area has.
    void select(AreaId id);
    // The user typed into the URL or alt text box; with an area selected it takes the text.
    void editHref(const QString& text);
    void editAlt(const QString& text);
    void setMapName(const QString& name);
    // The keyboard focus moved: the next typing is a step of its own.
    void focusMoved() { ++m_typingRun; }

    bool canUndo() const { return !m_editing.state.buttonDown && m_undo.canUndo(); }
    void undo();
    void redo();

    // A new picture: every area goes, with the history; the tool, the name and the area
    // clipboard stay.
    void startNewMap();
    // A map read from a page takes the place of the one under edit, as a new map does.
    void replaceMap(const ImageMap& map);

    // Any other change, for setting up a scene in tests and benchmarks; not an undo step.
    template <typename Change> void apply(Change&& change)
    {
        change(m_editing);
        finish();
    }

signals:
    void stateChanged();
    // Something could not be done (a full map); the status bar says why.
    void notice(const QString& text);

private:
    friend class EditStep;
    void applyStep(const EditStep& step, bool forward);

    // A command's edits go into one step, unless a drag's step is open and takes them.
    template <typename Command> void command(StepKind kind, Command&& run)
    {
        const bool own = beginStep(kind);
        run(m_editing);
        if (own)
            endStep();
        finish();
    }
    bool beginStep(StepKind kind, int run = 0);
    void endStep();
    void finish();
    StepSelection selection() const { return { m_editing.state.selected, m_editing.state.building }; }
    void clearHistory();

    void areaInserted(const ImageMap& map, int index) override;
    void areaRemoved(const ImageMap& map, int index, const Area& removed) override;
    void areaChanged(const ImageMap& map, int index, const Area& before) override;
    void areaMoved(const ImageMap& map, int from, int to) override;
    void mapReset(const ImageMap&) override {}

    Editing m_editing;
    QUndoStack m_undo;
    std::unique_ptr<EditStep> m_step; // the step being gathered
    int m_typingRun = 0;
};
