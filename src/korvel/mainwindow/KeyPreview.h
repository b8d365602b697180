#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

class QWidget;

// The key codes and modifier mask the main window's key handler works with:
// Backspace 8, Delete 46, Shift 16, Ctrl 17, Alt 18, the arrows 37 left, 38 up, 39 right, 40 down, letters by
// their capital's code, digits by theirs, the + and = key 187, the - key 189; Shift 1, Ctrl 2, Alt 4.
// Other keys give 0.
int16_t KeyCodeFromQt(int qtKey);
int16_t ShiftMaskFromQt(Qt::KeyboardModifiers modifiers);

// Lets a window see every key pressed in it before the focused control does, without
// consuming it: the control still gets the key afterwards.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(int16_t keyCode, int16_t shift)>;

    KeyPreview(QWidget* window, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    Handler m_handler;
};
