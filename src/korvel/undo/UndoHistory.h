#pragma once

#include "undo/EditStep.h"

#include <QUndoStack>

class EditorSession;

// The editor's history on Qt's undo stack. Its clean state marks the map as saved.
class UndoHistory : public EditHistory {
public:
    explicit UndoHistory(EditorSession& session);

    void Push(EditStep step) override;
    void Undo() override { m_stack.undo(); }
    void Redo() override { m_stack.redo(); }
    void Clear() override { m_stack.clear(); }

    QUndoStack& Stack() { return m_stack; }

private:
    EditorSession& m_session;
    QUndoStack m_stack;
};
