#pragma once

#include "editor/EditStep.h"
#include "editor/Editing.h"
#include "editor/TraceWorker.h"
#include "map/MapObserver.h"

#include <QObject>
#include <QUndoStack>

#include <memory>

// Where an area goes in the map's order: one place earlier or later, first or last.
enum class OrderMove { Earlier, Later, First, Last };

// The editor behind the main window: the map, the editor's state and one named operation per
// thing a user can do. Every operation is one undo step (a drag from press to release; the
// nudges with one key and the typing into one box while it has the focus merge) and ends
// with stateChanged; changes of the map reach the map's observers as they happen. While the
// browser preview runs, no operation changes the map.
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
    // The picture the trace tool reads; its pixels are shared, not copied.
    void setPicture(const QImage& picture);

    // The pointer over the canvas, at whole picture pixels. modifiers: the keyboard's at the
    // press. clicked: the release ends a press and release on the canvas.
    void pointerMoved(const Pointer& pointer);
    void buttonPressed(const Pointer& pointer, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void buttonReleased(bool clicked);
    // The second press of a double-click, after the first press and release; its release
    // follows. On an edge of the selected polygon with the arrow tool it adds a corner there,
    // and the whole double-click is one step; anywhere else it is a press like the first.
    void doubleClicked(const Pointer& pointer, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    void chooseTool(Tool tool);
    // Back to the arrow tool; a polygon being built stays as it is, open, and building ends.
    void disarmTool();
    // The trace tool's colour tolerance and deviation, stepped by a turn of the wheel: 4 and
    // half a pixel a step, within 0..255 and 0..32. The status bar says what they are.
    const TraceSettings& traceSettings() const { return m_editing.tracer.settings(); }
    void stepTraceSettings(int toleranceSteps, int deviationSteps);
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
    // The user typed into the title or target box; with an area selected it takes the text.
    void editText(QLatin1String attribute, const QString& text);
    void setMapName(const QString& name);
    // The keyboard focus moved: the next typing is a step of its own.
    void focusMoved() { ++m_typingRun; }

    // The area list chose an area (0: none); an area kept as it came cannot be chosen.
    void selectArea(AreaId id);
    // The selected area, or the area id, moves in the map's order and is selected.
    void moveSelected(OrderMove move);
    void moveArea(AreaId id, int to);
    // An attribute set in the area list, as storeText has it.
    void setAttribute(AreaId id, QLatin1String name, const QString& value);
    void setNoHref(AreaId id, bool on);
    // The area takes typed coordinates; otherwise the reason, and the area stays as it was.
    QString setCoordinates(AreaId id, const QString& text);

    // The browser preview starts or ends; a drag under way ends where it is.
    void setPreviewing(bool on);
    bool isPreviewing() const { return m_editing.state.previewing; }

    bool canUndo() const { return editsAllowed() && !m_editing.state.buttonDown && m_undo.canUndo(); }
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
    template <typename Command> void command(StepKind kind, Command&& run, int typingRun = 0)
    {
        if (!editsAllowed())
            return;
        const bool own = beginStep(kind, typingRun);
        run(m_editing);
        if (own)
            endStep();
        finish();
    }
    void rehover();
    void traceWhatHoverWants();
    void regionTraced(const std::shared_ptr<TraceJob>& job);
    bool editsAllowed() const { return !m_editing.state.previewing; }
    void type(StepKind kind, QLatin1String attribute, const QString& text);
    // The area's changed copy, when it can be edited at all.
    template <typename Change> void changeArea(AreaId id, Change&& change)
    {
        const Area* found = m_editing.map.find(id);
        if (!found || !found->isEditable())
            return;
        Area area = *found;
        change(area);
        command(StepKind::Single, [&](Editing& editing) { replaceShown(editing, area); });
    }
    static void replaceShown(Editing& editing, const Area& area);
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
    // The last click moved an area by a few pixels, the step on top of the history: a
    // double-click's hand jitter, which its second press takes back.
    bool m_clickMoved = false;
    TraceWorker m_traceWorker; // last: it is stopped before anything it reports to goes
};
