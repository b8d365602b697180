#include "undo/EditCommand.h"

#include "editing/EditorSession.h"

namespace {

constexpr int kMergeableStep = 1;

} // namespace

EditCommand::EditCommand(EditorSession& session, EditStep step)
    : m_session(session)
    , m_step(std::move(step))
{
}

void EditCommand::undo()
{
    m_session.ApplyStep(m_step, false);
}

void EditCommand::redo()
{
    if (m_done)
        m_session.ApplyStep(m_step, true);
    m_done = true;
}

int EditCommand::id() const
{
    return m_step.mergeKey.isEmpty() ? -1 : kMergeableStep;
}

bool EditCommand::mergeWith(const QUndoCommand* other)
{
    return m_step.Absorb(static_cast<const EditCommand*>(other)->m_step);
}
