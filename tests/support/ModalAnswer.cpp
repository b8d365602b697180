#include "support/ModalAnswer.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

ModalAnswer::ModalAnswer()
{
    QTimer::singleShot(0, this, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = true;
        text = box->text();
        box->accept();
    });
}
