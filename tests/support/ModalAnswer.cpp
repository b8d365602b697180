#include "support/ModalAnswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

ModalAnswer::ModalAnswer(std::vector<QMessageBox::StandardButton> buttons)
    : m_buttons(std::move(buttons))
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswer::Look);
    m_timer.start();
}

void ModalAnswer::Look()
{
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || texts.size() >= static_cast<qsizetype>(m_buttons.size()))
        return;
    const QMessageBox::StandardButton button = m_buttons[static_cast<size_t>(texts.size())];
    auto* box = qobject_cast<QMessageBox*>(dialog);
    texts << (box ? box->text() : dialog->windowTitle());
    text = texts.front();
    seen = true;
    if (texts.size() == static_cast<qsizetype>(m_buttons.size()))
        m_timer.stop();
    if (box && button != QMessageBox::NoButton && box->button(button))
        box->button(button)->click();
    else
        dialog->accept();
}
