#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <utility>
#include <vector>

// Answers the modal windows that open while it lives, one after the other, and remembers
// their texts: a message box with the given button (NoButton: its default), any other
// dialog by accepting it. It looks from the event loop, so a window may come later than
// the call that caused it, as it does when a picture is read on a worker thread.
class ModalAnswer {
public:
    explicit ModalAnswer(std::vector<QMessageBox::StandardButton> buttons = { QMessageBox::NoButton })
        : m_buttons(std::move(buttons))
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { Look(); });
        m_timer.start(5);
    }

    QString text; // the first window's text
    QStringList texts;
    bool seen = false;

private:
    void Look()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || texts.size() >= qsizetype(m_buttons.size()))
            return;
        auto* box = qobject_cast<QMessageBox*>(dialog);
        texts << (box ? box->text() : dialog->windowTitle());
        text = texts.front();
        seen = true;
        QAbstractButton* button = box ? box->button(m_buttons[size_t(texts.size() - 1)]) : nullptr;
        button ? button->click() : dialog->accept();
    }

    std::vector<QMessageBox::StandardButton> m_buttons;
    QTimer m_timer;
};
