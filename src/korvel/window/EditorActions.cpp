#include "window/EditorActions.h"

#include "editor/MapEditor.h"
#include "view/CanvasView.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace {

void runZoomCommand(CanvasView& canvas, EditorCommand command)
{
    switch (command) {
    case EditorCommand::ZoomIn:
        return canvas.zoomIn();
    case EditorCommand::ZoomOut:
        return canvas.zoomOut();
    case EditorCommand::ZoomActualSize:
        return canvas.zoomToActualSize();
    case EditorCommand::ZoomToFit:
        return canvas.zoomToFit();
    default:
        break;
    }
}

bool isZoomCommand(EditorCommand command)
{
    return command == EditorCommand::ZoomIn || command == EditorCommand::ZoomOut
        || command == EditorCommand::ZoomActualSize || command == EditorCommand::ZoomToFit;
}

bool armsATool(EditorCommand command)
{
    return command == EditorCommand::ArmRectangle || command == EditorCommand::ArmCircle
        || command == EditorCommand::ArmPolygon || command == EditorCommand::ArmTrace;
}

} // namespace

EditorActions::EditorActions(QWidget* window, MapEditor& editor, CanvasView& canvas)
    : QObject(window)
{
    for (const KeyBinding& binding : editorKeyBindings()) {
        QAction* action = addAction(window, binding.keys);
        const EditorCommand command = binding.command;
        if (isZoomCommand(command))
            connect(action, &QAction::triggered, &canvas, [&canvas, command] { runZoomCommand(canvas, command); });
        else if (!armsATool(command) && !isWindowCommand(command))
            connect(action, &QAction::triggered, &editor, [&editor, command] { runEditorCommand(editor, command); });
        m_actions[command] = action;
    }
    m_open = addAction(window, { QKeySequence(QKeySequence::Open) });
    m_save = addAction(window, { QKeySequence(QKeySequence::Save) });
    m_saveAs = addAction(window, { QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_S) });
}

QAction* EditorActions::addAction(QWidget* window, const QList<QKeySequence>& keys)
{
    auto* action = new QAction(window);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

void EditorActions::setEditingEnabled(bool enabled)
{
    for (const auto& [command, action] : m_actions)
        action->setEnabled(enabled || isWindowCommand(command));
}

void EditorActions::keepKeysIn(QWidget* box)
{
    box->installEventFilter(this);
}

bool EditorActions::eventFilter(QObject* watched, QEvent* event)
{
    // Accepting the override hands the key to the box as an ordinary key press.
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence key(static_cast<QKeyEvent*>(event)->keyCombination());
        const bool fileCommand = m_open->shortcuts().contains(key) || m_save->shortcuts().contains(key)
            || m_saveAs->shortcuts().contains(key);
        const bool windowCommand = action(EditorCommand::ShowAreaList)->shortcuts().contains(key)
            || action(EditorCommand::Preview)->shortcuts().contains(key);
        if (!fileCommand && !windowCommand)
            event->accept();
    }
    return QObject::eventFilter(watched, event);
}
