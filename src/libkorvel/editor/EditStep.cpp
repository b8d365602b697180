#include "editor/EditStep.h"

#include "editor/MapEditor.h"

EditStep::EditStep(MapEditor& editor, StepKind kind, int run, StepSelection before)
    : m_editor(editor)
    , m_kind(kind)
    , m_run(run)
    , m_before(before)
    , m_after(before)
{
}

void EditStep::record(MapEdit edit)
{
    // Many changes of one area in a row (a drag) keep its first state and its last.
    if (edit.kind == MapEdit::Kind::Change && !m_edits.empty()) {
        MapEdit& last = m_edits.back();
        const bool sameArea = last.after.id() == edit.after.id();
        if (sameArea && (last.kind == MapEdit::Kind::Change || last.kind == MapEdit::Kind::Insert)) {
            last.after = std::move(edit.after);
            return;
        }
    }
    m_edits.push_back(std::move(edit));
}

bool EditStep::mergeWith(const QUndoCommand* other)
{
    const auto* step = static_cast<const EditStep*>(other);
    // A run acts on one area: nudging another one after a click is a step of its own.
    if (step->m_kind != m_kind || step->m_run != m_run || step->m_before.selected != m_after.selected)
        return false;
    for (const MapEdit& edit : step->m_edits)
        record(edit);
    m_after = step->m_after;
    return true;
}

void EditStep::undo()
{
    m_editor.applyStep(*this, false);
}

void EditStep::redo()
{
    if (!m_pushed) {
        m_pushed = true;
        return;
    }
    m_editor.applyStep(*this, true);
}
