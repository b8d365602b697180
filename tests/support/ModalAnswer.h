#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <vector>

// Answers the modal windows that open while it lives, one after the other, and remembers
// their texts: a message box with the given button (NoButton: its default), any other
// dialog by accepting it. It looks from the event loop, so a window may come later than
// the call that caused it, as it does when a picture is read on a worker thread.
class ModalAnswer : public QObject {
public:
    explicit ModalAnswer(std::vector<QMessageBox::StandardButton> buttons = { QMessageBox::NoButton });
    QString text; // the first window's text
    QStringList texts;
    bool seen = false;

private:
    void Look();

    std::vector<QMessageBox::StandardButton> m_buttons;
    QTimer m_timer;
};
