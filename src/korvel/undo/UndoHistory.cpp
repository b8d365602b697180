#include "undo/UndoHistory.h"

#include "undo/EditCommand.h"

UndoHistory::UndoHistory(EditorSession& session)
    : m_session(session)
{
}

void UndoHistory::Push(EditStep step)
{
    m_stack.push(new EditCommand(m_session, std::move(step)));
}
