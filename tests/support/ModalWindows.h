#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <vector>

// Answers the modal windows that open while it lives, one after the other, and remembers their
// texts: a message box with the given button (NoButton: its default), any other dialog by
// accepting it. It looks from the event loop, so a window may come later than the call that
// caused it, as it does when a picture is read on a worker thread.
//
// Every test program that links this support fails a test, instead of hanging, when a modal
// window no ModalAnswer expects stays open for a few seconds: the window is closed and the test
// goes on to its failure.
class ModalAnswer {
public:
    explicit ModalAnswer(std::vector<QMessageBox::StandardButton> buttons = { QMessageBox::NoButton });
    ~ModalAnswer();

    QString text; // the first window's text
    QStringList texts;

private:
    void look();

    std::vector<QMessageBox::StandardButton> m_buttons;
    QTimer m_timer;
};
