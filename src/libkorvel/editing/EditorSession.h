#pragma once

#include "editing/Editor.h"
#include "editing/EditorView.h"
#include "undo/EditStep.h"

#include <optional>
#include <utility>

// The editor behind the main window: the map and the editor's state, and one entry point
// per event that the window forwards. Every entry point runs its handler and then presents
// the result through the view, so no handler can leave a change off the screen.
class EditorSession {
public:
    explicit EditorSession(EditorView& view)
        : m_view(view)
    {
    }
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

    const Editor& editor() const { return m_editor; }
    EditorView& view() const { return m_view; }

    // Where each gesture's change to the map goes as one step; none: nothing is recorded.
    void SetHistory(EditHistory* history) { m_history = history; }
    // Undo (forward false) or redo a recorded step: the map and the selection that went
    // with it come back, and the screen follows.
    void ApplyStep(const EditStep& step, bool forward);
    // Puts the change the current gesture has made so far on the history, as undoing does
    // before it undoes anything.
    void FinishStep() { EndStep(); }
    // The keyboard focus moved: the typing in a box starts a new step.
    void FocusMoved() { ++m_typingRun; }

    // The mouse on the canvas, at whole picture pixels; positions beyond the 16-bit
    // coordinate range are taken at its end. A move also tells the canvas pixel under the
    // pointer. A click follows the release that ends it.
    void MouseDown(float x, float y);
    void MouseMove(float x, float y, QPoint screen);
    // The release; clicked when a click ends with it (a press and release on the canvas).
    void MouseUp(float x, float y, bool clicked);

    // A key pressed anywhere in the main window, before the focused control gets it.
    void KeyDown(int16_t keyCode, int16_t shift);

    // The user edited the URL or alt text box.
    void HrefEdited(const QString& text);
    void AltEdited(const QString& text);

    // The tool buttons and Generate.
    void ChooseTool(ToolMode tool);
    void Generate();
    // A new picture has been read: every area goes.
    void StartNewMap();
    // A map opened from a file takes the place of the one under edit, as a new map does;
    // the area clipboard stays.
    void ReplaceMap(const ImagemapDocument& map);
    // The view changed (resized, scrolled, the focus moved): the overlay is drawn again.
    void Redraw();

    // Runs any other change of the editor, for set-up at start and in tests, then presents it.
    template <typename Change> void Apply(Change&& change)
    {
        std::forward<Change>(change)(m_editor);
        m_view.Present(m_editor);
    }

private:
    template <typename Handler> void Run(Handler&& handler)
    {
        std::forward<Handler>(handler)(m_editor, m_view);
        m_view.Present(m_editor);
    }
    // A gesture starts: what the map was is kept until it ends. False when one is already
    // under way, which then takes this one's changes too.
    bool BeginStep(const QString& mergeKey = QString());
    // The gesture ends: if it changed the map, the change becomes one step.
    void EndStep();
    bool UndoKey(int16_t keyCode, int16_t shift);
    bool MoveMayChangeMap() const;

    Editor m_editor;
    EditorView& m_view;
    EditHistory* m_history = nullptr;
    std::optional<Editor> m_stepStart;
    QString m_stepMergeKey;
    int m_typingRun = 0;
};
