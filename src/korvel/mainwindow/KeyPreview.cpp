#include "mainwindow/KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

int16_t KeyCodeFromQt(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return static_cast<int16_t>('A' + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<int16_t>('0' + (qtKey - Qt::Key_0));
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return 187;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return 189;
    default:
        return 0;
    }
}

int16_t ShiftMaskFromQt(Qt::KeyboardModifiers modifiers)
{
    return static_cast<int16_t>((modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0));
}

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window)
    , m_window(window)
    , m_handler(std::move(handler))
{
    qApp->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    // An ignored key travels up to the parents and passes the filter again; only its
    // first delivery, to the focused widget, counts.
    if (event->type() != QEvent::KeyPress)
        return false;
    QWidget* receiver = QApplication::focusWidget();
    if (!receiver)
        receiver = m_window; // nothing focused: the window itself gets the key
    if (watched == receiver && receiver->window() == m_window) {
        const auto* key = static_cast<QKeyEvent*>(event);
        m_handler(KeyCodeFromQt(key->key()), ShiftMaskFromQt(key->modifiers()));
    }
    return false;
}
