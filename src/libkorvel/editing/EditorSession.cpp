#include "editing/EditorSession.h"

#include "document/Numbers.h"
#include "editing/DragEngine.h"
#include "editing/GenerateCommand.h"
#include "editing/KeyboardCommands.h"
#include "editing/MousePress.h"
#include "editing/Overlay.h"
#include "editing/PropertiesPanel.h"
#include "editing/StepRestore.h"
#include "editing/ToolCommands.h"

void EditorSession::MouseDown(float x, float y)
{
    EndStep();
    BeginStep();
    Run([x = SaturateCoordinate(x), y = SaturateCoordinate(y)](
            Editor& editor, EditorView& view) { InnerPict_MouseDown(editor, view, x, y); });
}

void EditorSession::MouseMove(float x, float y, QPoint screen)
{
    // A move changes the map only in the middle of a drag, or when a box left half-drawn
    // (Generate pressed during its rubber band) is stretched again; that, too, is a step.
    if (!m_stepStart && MoveMayChangeMap())
        BeginStep();
    Run([x = SaturateCoordinate(x), y = SaturateCoordinate(y), screen](
            Editor& editor, EditorView& view) { InnerPict_MouseMove(editor, view, x, y, screen); });
}

void EditorSession::MouseUp(float, float, bool clicked)
{
    BeginStep(); // a release that ends no press of the canvas's may still click
    Run([clicked](Editor& editor, EditorView& view) {
        InnerPict_MouseUp(editor, view);
        if (clicked)
            InnerPict_Click(editor, view);
    });
    EndStep();
}

void EditorSession::KeyDown(int16_t keyCode, int16_t shift)
{
    if (UndoKey(keyCode, shift))
        return;
    const bool nudge = keyCode >= KeyCode::Left && keyCode <= KeyCode::Down;
    if (!m_editor.state.buttonDown)
        EndStep();
    const bool ownStep = BeginStep(nudge ? QStringLiteral("nudge %1").arg(keyCode) : QString());
    Run([keyCode, shift](Editor& editor, EditorView& view) { Form_KeyDown(editor, view, keyCode, shift); });
    if (ownStep)
        EndStep();
}

bool EditorSession::UndoKey(int16_t keyCode, int16_t shift)
{
    const FocusedControl focus = m_view.KeyboardFocus();
    const bool typing
        = focus == FocusedControl::HrefText || focus == FocusedControl::MapNameText || focus == FocusedControl::AltText;
    // In a text box the box keeps its own undo; in the middle of a drag there is no step yet.
    if ((shift & ShiftMask::Ctrl) == 0 || typing || m_editor.state.buttonDown || !m_history)
        return false;
    if (keyCode != KeyCode::Z && keyCode != KeyCode::Y)
        return false;
    EndStep(); // a change still being gathered goes on the stack before anything is undone
    if (keyCode == KeyCode::Z && (shift & ShiftMask::Shift) == 0)
        m_history->Undo();
    else
        m_history->Redo();
    return true;
}

void EditorSession::HrefEdited(const QString& text)
{
    if (!m_editor.state.buttonDown)
        EndStep();
    const bool ownStep = BeginStep(QStringLiteral("url %1").arg(m_typingRun));
    Run([&text](Editor& editor, EditorView&) { HrefText_Change(editor, text); });
    if (ownStep)
        EndStep();
}

void EditorSession::AltEdited(const QString& text)
{
    if (!m_editor.state.buttonDown)
        EndStep();
    const bool ownStep = BeginStep(QStringLiteral("alt %1").arg(m_typingRun));
    Run([&text](Editor& editor, EditorView&) { AltText_Change(editor, text); });
    if (ownStep)
        EndStep();
}

bool EditorSession::BeginStep(const QString& mergeKey)
{
    // A key pressed in the middle of a drag belongs to the drag's step.
    if (!m_history || m_stepStart)
        return false;
    m_stepStart = m_editor;
    m_stepMergeKey = mergeKey;
    return true;
}

void EditorSession::EndStep()
{
    if (!m_stepStart)
        return;
    EditStep step;
    step.change = MapChange::Between(m_stepStart->map, m_editor.map);
    const EditorState& before = m_stepStart->state;
    step.before = { before.selBox, before.selPoly, before.buildingPoly };
    step.after = { m_editor.state.selBox, m_editor.state.selPoly, m_editor.state.buildingPoly };
    step.mergeKey = m_stepMergeKey;
    m_stepStart.reset();
    if (!step.change.IsEmpty())
        m_history->Push(std::move(step));
}

bool EditorSession::MoveMayChangeMap() const
{
    const EditorState& state = m_editor.state;
    switch (state.toolMode) {
    case ToolMode::Move:
        return true;
    case ToolMode::ResizeCorner:
    case ToolMode::ResizeSide:
        return state.buttonDown;
    case ToolMode::Rect:
    case ToolMode::Circle:
        return state.drawingBox >= 1;
    default:
        return false;
    }
}

void EditorSession::ApplyStep(const EditStep& step, bool forward)
{
    Run([&step, forward](Editor& editor, EditorView& view) { RestoreStep(editor, view, step, forward); });
}

void EditorSession::ChooseTool(ToolMode tool)
{
    Run([tool](Editor& editor, EditorView& view) {
        if (tool == ToolMode::Rect)
            rectButton_Click(editor, view);
        else if (tool == ToolMode::Circle)
            circleButton_Click(editor, view);
        else if (tool == ToolMode::Poly)
            polyButton_Click(editor, view);
    });
}

void EditorSession::Generate()
{
    Run(generateButton_Click);
}

void EditorSession::StartNewMap()
{
    // A new picture starts a new history: undoing into a map drawn on another picture would
    // make no sense.
    EndStep();
    if (m_history)
        m_history->Clear();
    Run([](Editor& editor, EditorView&) { ::StartNewMap(editor); });
}

void EditorSession::ReplaceMap(const ImagemapDocument& map)
{
    StartNewMap();
    Run([&map](Editor& editor, EditorView&) {
        ImagemapDocument opened = map;
        opened.boxes.front() = editor.map.boxes.front();
        if (!opened.polygons.empty() && !editor.map.polygons.empty())
            opened.polygons.front() = editor.map.polygons.front();
        editor.map = std::move(opened);
    });
}

void EditorSession::Redraw()
{
    Run([](Editor& editor, EditorView& view) { RedrawOverlay(editor, view); });
}
