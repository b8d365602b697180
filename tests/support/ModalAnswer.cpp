#include "support/ModalAnswer.h"

#include <QApplication>
#include <QMessageBox>

ModalAnswer::ModalAnswer()
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswer::Look);
    m_timer.start();
}

void ModalAnswer::Look()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return;
    m_timer.stop();
    seen = true;
    text = box->text();
    box->accept();
}
