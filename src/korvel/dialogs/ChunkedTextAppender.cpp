#include "dialogs/ChunkedTextAppender.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Enough to fill the window at once; inserting a line costs a few microseconds.
constexpr qsizetype kFirstSliceLines = 500;
// About ten milliseconds of work per turn of the event loop.
constexpr qsizetype kSliceLines = 4000;

// The user's input that can change the text, or choose where a change goes. Keys and input
// methods reach the editor; the mouse, drags and drops its viewport; the context menu either.
bool canStartAnEdit(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::DragEnter:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

ChunkedTextAppender::ChunkedTextAppender(QPlainTextEdit* editor)
    : QObject(editor)
    , m_editor(editor)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, [this] { insertLines(kSliceLines); });
    editor->installEventFilter(this);
    editor->viewport()->installEventFilter(this);
}

bool ChunkedTextAppender::eventFilter(QObject* watched, QEvent* event)
{
    if (isPending() && canStartAnEdit(event->type()))
        flush();
    return QObject::eventFilter(watched, event);
}

void ChunkedTextAppender::append(const QString& text)
{
    const bool wasPending = isPending();
    m_pending += text;
    if (wasPending)
        return;
    insertLines(kFirstSliceLines);
}

void ChunkedTextAppender::flush()
{
    insertLines(-1);
}

void ChunkedTextAppender::insertLines(qsizetype lineCount)
{
    if (!isPending())
        return;
    qsizetype end = m_pending.size();
    if (lineCount >= 0) {
        qsizetype position = m_offset;
        for (qsizetype line = 0; line < lineCount && position < m_pending.size(); ++line) {
            const qsizetype next = m_pending.indexOf(QLatin1Char('\n'), position);
            position = next < 0 ? m_pending.size() : next + 1;
        }
        end = position;
    }

    QTextDocument* document = m_editor->document();
    // An appended map is not an edit to undo keystroke by keystroke, and the undo record
    // of a large map would cost as much as the text itself.
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringView(m_pending).mid(m_offset, end - m_offset).toString());
    document->setUndoRedoEnabled(true);

    m_offset = end;
    if (m_offset < m_pending.size()) {
        m_timer.start();
        return;
    }
    m_timer.stop();
    m_pending.clear();
    m_offset = 0;
}
