#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// Closes the first modal window (a message box) that opens while it lives, and remembers
// its text. It looks from the event loop, so the box may come later than the call that
// caused it, as it does when a picture is read on a worker thread.
class ModalAnswer : public QObject {
public:
    ModalAnswer();
    QString text;
    bool seen = false;

private:
    void Look();

    QTimer m_timer;
};
