#pragma once

#include <QObject>
#include <QString>

// Closes the next modal window that opens (a message box) and remembers its text.
class ModalAnswer : public QObject {
public:
    ModalAnswer();
    QString text;
    bool seen = false;
};
