#pragma once

#include "undo/EditStep.h"

#include <QUndoCommand>

class EditorSession;

// One step of the user's work on Qt's undo stack. It is pushed when the step has just been
// done, so its first redo does nothing.
class EditCommand : public QUndoCommand {
public:
    EditCommand(EditorSession& session, EditStep step);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    EditorSession& m_session;
    EditStep m_step;
    bool m_done = false;
};
